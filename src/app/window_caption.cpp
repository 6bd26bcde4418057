#include "app/window_caption.h"

namespace lexavo {

const char* const kMakerAddress = "www.lexavo.example";

std::string windowCaptionFor(std::string_view direction) {
    return "[" + std::string(direction) + "] Lexavo 6  (" + kMakerAddress + ")";
}

std::string initialWindowCaption() { return windowCaptionFor("Aj->\xC8j"); }

}  // namespace lexavo
