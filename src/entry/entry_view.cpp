#include "entry/entry_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

namespace lexavo {

namespace {

// The entry as a screen reader meets it: read-only text, the headword line first,
// then a line per numbered meaning.
class EntryViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit EntryViewAccessible(EntryView* view)
        : QAccessibleWidget(view, QAccessible::StaticText, QStringLiteral("Heslo")) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return entry().section(QLatin1Char('\n'), 0, 0);
        if (t == QAccessible::Value || t == QAccessible::Description) return entry();
        return QAccessibleWidget::text(t);
    }

    // QAccessibleTextInterface: the whole entry, nothing selectable or editable.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString& t = entry();
        if (end < 0 || end > t.size()) end = static_cast<int>(t.size());
        if (start < 0 || start > end) return {};
        return t.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(entry().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    const QString& entry() const { return static_cast<EntryView*>(widget())->entryText(); }
};

QAccessibleInterface* entryViewFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("lexavo::EntryView") && object->isWidgetType()) {
        return new EntryViewAccessible(static_cast<EntryView*>(object));
    }
    return nullptr;
}

}  // namespace

EntryView::EntryView(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(entryViewFactory);
        return true;
    }();
    (void)installed;
}

void EntryView::setEntryText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    if (QAccessible::isActive()) {
        QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nameChanged);
        QAccessibleTextUpdateEvent textChanged(this, 0, QString(), text_);
        QAccessible::updateAccessibility(&textChanged);
    }
}

void EntryView::paintEvent(QPaintEvent*) {
    if (paintHandler) paintHandler(*this);
}

void EntryView::keyPressEvent(QKeyEvent* event) {
    if (keyHandler && keyHandler(event)) return;
    QWidget::keyPressEvent(event);
}

void EntryView::wheelEvent(QWheelEvent* event) {
    if (wheelHandler && wheelHandler(event)) return;
    QWidget::wheelEvent(event);
}

}  // namespace lexavo
