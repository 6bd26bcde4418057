#pragma once
// The main window's caption: the direction of the set in use, the program's name and
// the maker's address.

#include <string>
#include <string_view>

namespace lexavo {

// The maker's web address shown in the window caption and the information line.
extern const char* const kMakerAddress;
// "[Aj->Čj] Lexavo 6  (<address>)" for a set's direction (code page 1250).
std::string windowCaptionFor(std::string_view direction);
// The caption before any dictionary is loaded.
std::string initialWindowCaption();

}  // namespace lexavo
