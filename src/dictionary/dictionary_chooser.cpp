#include "dictionary/dictionary_chooser.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCollator>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <algorithm>

#include "widgets/qt_text.h"

namespace lexavo {

namespace {

// The chooser's field: while it is not being edited, a title wider than the box
// ends in an ellipsis instead of being cut anywhere.
class TitleField : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QStyleOptionFrame option;
        initStyleOption(&option);
        // QLineEdit keeps two pixels beside its text.
        const QRect area = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins())
                               .adjusted(2, 0, -2, 0);
        if (hasFocus() || fontMetrics().horizontalAdvance(text()) <= area.width()) {
            QLineEdit::paintEvent(event);
            return;
        }
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft,
                         fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    }
};

}  // namespace

DictionaryChooser::DictionaryChooser(const ChooserWidgets& widgets, Catalogue& catalogue,
                                     DictionaryStore& store, const ProgramFolder& folder,
                                     QObject* parent)
    : QObject(parent), box_(widgets.box), catalogue_(catalogue), store_(store), folder_(folder) {
    // A long title never takes the word field's room: the box keeps its own width
    // whatever the titles, shows a long one cut with an ellipsis, and its drop-down
    // list is as wide as the longest title (fill()).
    box_->setLineEdit(new TitleField(box_));
    box_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // The chooser's field is plain text: no completion from the titles, and Enter
    // neither adds the typed text as an item nor picks a title that differs in
    // case (the layout turns off insertion and the duplicate check that does it).
    box_->setCompleter(nullptr);
    // Only the user's own choices run the change handler: activated() comes from a
    // selection in the list, textEdited() from typing; selections made in code
    // raise neither.
    connect(box_, &QComboBox::activated, this, [this](int) { ComboBoxSlovnikChange(); });
    connect(box_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString&) { ComboBoxSlovnikChange(); });
    connect(widgets.nextItem, &QAction::triggered, this, &DictionaryChooser::Dalslovnk1Click);
    connect(widgets.previousItem, &QAction::triggered, this,
            &DictionaryChooser::Pedchozslovnk1Click);
    connect(widgets.nextButton, &QToolButton::clicked, this, &DictionaryChooser::ToolButton6Click);
    connect(widgets.previousButton, &QToolButton::clicked, this,
            &DictionaryChooser::ToolButton5Click);
}

void DictionaryChooser::fill() {
    // Sorted as a Czech user's system sorts: Czech collation, case ignored.
    QCollator collator{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (const auto& name : catalogue_.names()) {
        DictInfo info;
        if (!readInfoRecord(folder_.path(), name, info)) continue;
        const QString title = fromCp1250(info.title());
        int at = 0;
        while (at < box_->count() && collator.compare(box_->itemText(at), title) <= 0) ++at;
        box_->insertItem(at, title);
    }
    box_->setCurrentIndex(-1);
    box_->setEditText(QStringLiteral("Název slovníku"));
    int widest = 0;
    for (int i = 0; i < box_->count(); ++i) {
        widest = std::max(widest, box_->view()->fontMetrics().horizontalAdvance(box_->itemText(i)));
    }
    // The items' own margins and the list's scroll bar beside the text.
    const int extra = 4 * box_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 16 +
                      box_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    box_->view()->setMinimumWidth(widest + extra);
}

int DictionaryChooser::indexOf(std::string_view title) const {
    const QString wanted = fromCp1250(title);
    for (int i = 0; i < box_->count(); ++i) {
        if (box_->itemText(i) == wanted) return i;
    }
    return -1;
}

void DictionaryChooser::load(const DictFileNames& names) {
    if (store_.loadDictionary(folder_.path(), names) != DictionaryStore::LoadResult::kLoaded)
        return;
    emit loaded();
}

void DictionaryChooser::openByTitle(std::string_view title) {
    const std::string name =
        catalogue_.findByTitle(folder_.path(), title, [&](const DictInfo& info) {
            // Keep the chooser in step with each record read; without an item of that
            // title the last item stays selected.
            if (box_->count() > 0) {
                const int at = indexOf(info.title());
                box_->setCurrentIndex(at >= 0 ? at : box_->count() - 1);
            }
        });
    // Without a set of that title, the one in use is loaded again.
    load(name.empty() ? store_.fileNames() : fileNamesFor(name));
}

void DictionaryChooser::ComboBoxSlovnikChange() {
    catalogue_.scanCatalogue(folder_.path());
    // The typed title as the 100-byte buffer of the field holds it: at most 99 bytes,
    // up to a zero byte.
    const std::string field = toCp1250(box_->currentText()).substr(0, 99);
    const std::string name =
        catalogue_.findByTitle(folder_.path(), std::string_view(field.c_str()));
    if (name.empty()) return;
    load(fileNamesFor(name));
    emit switchedByUser();
}

void DictionaryChooser::Dalslovnk1Click() {
    if (box_->currentIndex() < box_->count() - 1) {
        box_->setCurrentIndex(box_->currentIndex() + 1);
        ComboBoxSlovnikChange();
    }
}

void DictionaryChooser::Pedchozslovnk1Click() {
    if (box_->currentIndex() > 0) {
        box_->setCurrentIndex(box_->currentIndex() - 1);
        ComboBoxSlovnikChange();
    }
}

}  // namespace lexavo
