// The entry picture's pixels after clearing, after an entry and after the
// not-found line, and the entry view that shows it in its scroll box.

#include "entry/entry_canvas.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "dictionary_page_support.h"
#include "entry/entry_view.h"
#include "ui_test_main.h"

using namespace lexavo;
using namespace lexavo::testing;

namespace {

constexpr Rgb kWhite{255, 255, 255};

// Rows [from, to) of the picture that hold a pixel of exactly this colour in
// columns [x0, x1).
bool hasColour(const EntryCanvas& c, Rgb colour, int from, int to, int x0, int x1) {
    for (int y = from; y < to; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (c.pixel(x, y) == colour) return true;
        }
    }
    return false;
}

// A pixel of the text colours, or a blend of them with white (r == g, b above).
bool isNavyOrBlueish(Rgb p) { return p.r == p.g && p.b > p.r; }

}  // namespace

class EntryCanvasTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { f_.reset(); }
    void clearedPictureIsWhite();
    void entryGeometry_data();
    void entryGeometry();
    void emptyMeaningNumberIsSkipped();
    void notFoundLineIsFortyHigh();
    void viewShowsThePictureCutToTheShownWidth();
    void tallEntryScrollsAndTheNextStartsAtTheTop();

  private:
    void lookUp(const QString& word) {
        typeWord(*f_, word);
        QTest::keyClick(f_->ui().editSlovo, Qt::Key_Return);
    }
    EntryCanvas& canvas() { return f_->state().entryCanvas; }
    std::unique_ptr<WindowFixture> f_;
};

void EntryCanvasTest::init() {
    f_ = std::make_unique<WindowFixture>();
    std::vector<TestEntry> entries = {{"xa", {"x"}}, {"xd", {"x"}}, {"xg", {"x"}}};
    for (int n = 1; n <= 4; ++n) {
        std::vector<std::string> meanings;
        for (int i = 1; i <= n; ++i) meanings.push_back("meaning" + std::to_string(i));
        entries.push_back({"dom" + std::to_string(n), meanings});
    }
    entries.push_back({"gap", {"pes", "", "hafan"}});
    entries.push_back({"all", {"pes", "kocka", "hafan"}});
    std::vector<std::string> many;
    for (int i = 1; i <= 60; ++i) many.push_back("m" + std::to_string(i));
    entries.push_back({"dlouhy", many});
    entries.push_back({"dalsi", {std::string(48, 'W')}});
    writeTestSet(f_->dir(), "angcze", kTitleEnglishCzech, cp("Aj->Čj"), "x", entries);
    f_->start();
}

void EntryCanvasTest::clearedPictureIsWhite() {
    lookUp(q("dom3"));
    QCOMPARE(canvas().canvasHeight(), 110);
    f_->window().dictionaryPage().entryPane().clear();
    QCOMPARE(canvas().canvasWidth(), 800);
    QCOMPARE(canvas().canvasHeight(), 20);
    QCOMPARE(canvas().nextLineY(), 5);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 800; ++x) QVERIFY(canvas().pixel(x, y) == kWhite);
    }
}

void EntryCanvasTest::entryGeometry_data() {
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 4; ++n) QTest::addRow("%d meanings", n) << n;
}

void EntryCanvasTest::entryGeometry() {
    QFETCH(int, n);
    lookUp(q("dom%1").arg(n));
    const EntryCanvas& c = canvas();
    QCOMPARE(c.canvasWidth(), 800);
    QCOMPARE(c.canvasHeight(), 50 + 20 * n);
    // Nothing above the heading at row 5; the heading is green.
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 800; ++x) QVERIFY(c.pixel(x, y) == kWhite);
    }
    QVERIFY(hasColour(c, {0, 128, 0}, 5, 28, 6, 120));
    // The rule: silver on row 26, black on row 27, from x = 12 to 786, beside the
    // heading text.
    for (int x = 150; x <= 786; ++x) {
        QVERIFY(c.pixel(x, 26) == (Rgb{192, 192, 192}));
        QVERIFY(c.pixel(x, 27) == (Rgb{0, 0, 0}));
    }
    QVERIFY(c.pixel(12, 26) == (Rgb{192, 192, 192}));
    QVERIFY(c.pixel(12, 27) == (Rgb{0, 0, 0}));
    QVERIFY(c.pixel(11, 26) == kWhite);
    QVERIFY(c.pixel(787, 27) == kWhite);
    // Meaning i in its band: number navy from x = 16, text blue from x = 41.
    for (int i = 1; i <= n; ++i) {
        const int top = 35 + 20 * (i - 1);
        QVERIFY(hasColour(c, {0, 0, 128}, top, top + 16, 16, 41));
        QVERIFY(!hasColour(c, {0, 0, 255}, top, top + 20, 0, 41));
        QVERIFY(hasColour(c, {0, 0, 255}, top, top + 16, 41, 200));
    }
    // No text pixel outside the bands.
    for (int y = 28; y < 35; ++y) {
        for (int x = 0; x < 800; ++x) QVERIFY(!isNavyOrBlueish(c.pixel(x, y)));
    }
}

void EntryCanvasTest::emptyMeaningNumberIsSkipped() {
    lookUp(q("gap"));
    QCOMPARE(canvas().canvasHeight(), 90);
    // The second band shows "3)": the same pixels as the third band of an entry
    // whose three meanings are all there.
    auto numberBand = [&](int top) {
        std::vector<Rgb> pixels;
        for (int y = top; y < top + 20; ++y) {
            for (int x = 0; x < 41; ++x) pixels.push_back(canvas().pixel(x, y));
        }
        return pixels;
    };
    const auto gapSecond = numberBand(55);
    lookUp(q("all"));
    QCOMPARE(canvas().canvasHeight(), 110);
    QVERIFY(gapSecond == numberBand(75));
    QVERIFY(gapSecond != numberBand(55));
}

void EntryCanvasTest::notFoundLineIsFortyHigh() {
    lookUp(q("zzz"));
    QCOMPARE(canvas().canvasHeight(), 40);
    QVERIFY(hasColour(canvas(), {128, 0, 0}, 5, 21, 6, 400));
    QVERIFY(!hasColour(canvas(), {128, 0, 0}, 0, 5, 0, 800));
    QVERIFY(!hasColour(canvas(), {128, 0, 0}, 0, 40, 0, 6));
}

void EntryCanvasTest::viewShowsThePictureCutToTheShownWidth() {
    f_->window().resize(640, 480);
    lookUp(q("dalsi"));
    QScrollArea* box = f_->ui().scrollPreklad;
    EntryView* view = f_->ui().ipaintPreklad;
    QTRY_COMPARE(view->width(), box->width() - 33);
    QCOMPARE(view->height(), 70);
    const QImage shown = view->grab().toImage();
    QCOMPARE(shown.width(), view->width());
    // The view shows the store's pixels; the long meaning is cut at its edge.
    for (int y = 0; y < 70; y += 3) {
        for (int x = 0; x < shown.width(); x += 2) {
            const QRgb p = shown.pixel(x, y);
            const Rgb s = canvas().pixel(x, y);
            QVERIFY(qRed(p) == s.r && qGreen(p) == s.g && qBlue(p) == s.b);
        }
    }
    QVERIFY(hasColour(canvas(), {0, 0, 255}, 35, 51, shown.width(), 800));
    QVERIFY(!box->horizontalScrollBar()->isVisible());
}

void EntryCanvasTest::tallEntryScrollsAndTheNextStartsAtTheTop() {
    f_->window().resize(640, 480);
    lookUp(q("dlouhy"));
    QScrollArea* box = f_->ui().scrollPreklad;
    QCOMPARE(canvas().canvasHeight(), 50 + 20 * 60);
    QTRY_VERIFY(box->verticalScrollBar()->isVisible());
    QVERIFY(!box->horizontalScrollBar()->isVisible());
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
    QVERIFY(box->verticalScrollBar()->value() > 0);
    lookUp(q("dlouhy"));
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    lookUp(q("dom1"));
    QTRY_VERIFY(!box->verticalScrollBar()->isVisible());
    QCOMPARE(f_->ui().ipaintPreklad->height(), 70);
}

LEXAVO_UI_TEST(EntryCanvasTest)
#include "entry_canvas_test.moc"
