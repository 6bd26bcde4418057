#include "lookup/suggestion_line.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "widgets/qt_text.h"

namespace lexavo {

SuggestionLine::SuggestionLine(QWidget* panel, QWidget* after, DictionaryStore& store,
                               Suggester& suggester, BaseForms* forms)
    : QObject(panel),
      store_(store),
      suggester_(suggester),
      forms_(forms),
      line_(new QWidget(panel)) {
    line_->setObjectName(QStringLiteral("panelNavrhy"));
    auto* row = new QHBoxLayout(line_);
    row->setContentsMargins(4, 1, 4, 1);
    row->setSpacing(2);
    row->addWidget(new QLabel(QStringLiteral("Možná jste mysleli:"), line_));
    // Each suggestion a link-like button: a click, or Tab to it and Enter, opens it.
    QWidget* previous = after;
    for (size_t i = 0; i < Suggester::kMaxSuggestions; ++i) {
        auto* link = new QPushButton(line_);
        link->setFlat(true);
        link->setAutoDefault(true);  // Enter presses it when it has the keyboard
        link->setCursor(Qt::PointingHandCursor);
        link->setStyleSheet(
            QStringLiteral("QPushButton { border: none; padding: 0 2px; color: palette(link);"
                           " text-decoration: underline; }"
                           "QPushButton:focus { background: palette(highlight);"
                           " color: palette(highlighted-text); }"));
        connect(link, &QPushButton::clicked, this, [this, i] {
            if (i < offered_.size()) emit chosen(fromCp1250(offered_[i]));
        });
        row->addWidget(link);
        QWidget::setTabOrder(previous, link);
        previous = link;
        links_.push_back(link);
    }
    row->addStretch(1);
    line_->hide();
    if (auto* layout = qobject_cast<QBoxLayout*>(panel->layout())) layout->insertWidget(0, line_);
}

void SuggestionLine::offer(std::string_view typed, const TranslateDecision& decision) {
    offered_ = suggestionsFor(suggester_, store_, typed, decision, forms_);
    if (offered_.empty()) {
        clear();
        return;
    }
    for (size_t i = 0; i < links_.size(); ++i) {
        const bool used = i < offered_.size();
        links_[i]->setText(used ? fromCp1250(offered_[i]) : QString());
        links_[i]->setVisible(used);
    }
    line_->show();
}

void SuggestionLine::clear() {
    offered_.clear();
    line_->hide();
}

}  // namespace lexavo
