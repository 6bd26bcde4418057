#pragma once
// The entry pane: the entry picture kept in its three-plane store, drawn by the
// entry layout, and shown by the entry view ipaintPreklad in the scroll box
// scrollPreklad.

#include <QString>
#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"
#include "entry/entry_canvas.h"
#include "entry/entry_layout.h"
#include "entry/entry_painter.h"
#include "entry/entry_reader.h"
#include "text/program_folder.h"

class QScrollArea;
class QWidget;

namespace lexavo {

class EntryView;

// The box that says the entry file is missing, the same on every page: the text,
// the caption "Chyba..." and OK, no icon.
void reportMissingEntryFile(QWidget* parent);

class EntryPane {
  public:
    struct Parts {
        const DictionaryStore& store;
        const ProgramFolder& folder;
        EntryReader& reader;
        EntryCanvas& canvas;
        EntryLayout& layout;
    };
    // window: the parent of the missing-file message.
    EntryPane(const Parts& parts, QScrollArea* box, EntryView* view, QWidget* window);

    // A blank picture, shown from its top.
    void clear();
    // Draws the entry of word (zero-terminated; its first letter becomes upper case
    // when a homograph was read) below the picture. False, after the missing-file
    // message, when the entry file is missing; layout() then holds no new lines.
    bool render(char* word);
    // Draws message (formatted by formatNotFound) as a not-found line.
    void renderNotFound(std::string_view message);
    // The layout drawn last, with its history lines.
    const EntryLayout& layout() const { return parts_.layout; }
    // The shown entry as text, a line per heading, meaning or message.
    QString text() const { return drawn_.text(); }
    // Whether an entry (not the not-found line) is shown.
    bool hasEntry() const { return drawn_.hasHeading(); }

    // The picture's scale in percent: 100 shows the store's pixels; from 50 to 300,
    // drawn again from its lines at every step so that it stays sharp.
    static constexpr int kMinZoom = 50;
    static constexpr int kMaxZoom = 300;
    int zoom() const { return zoom_; }
    void setZoom(int percent);

    // The view's paint handler: the store's picture at the view's width; on a
    // screen of more than one device pixel per logical pixel, the same picture drawn
    // at the screen's resolution.
    void ipaintPrekladPaint(EntryView& view);

  private:
    // Sizes the view to the shown width and the picture's height and repaints it.
    void repaintView();

    Parts parts_;
    QScrollArea* box_;
    EntryView* view_;
    QWidget* window_;
    DrawnEntry drawn_;
    int zoom_ = 100;
};

}  // namespace lexavo
