#include "app/program_state.h"

namespace lexavo {

ProgramState::ProgramState(std::string dir, std::unique_ptr<BaseForms> forms)
    : folder(std::move(dir)), baseForms(std::move(forms)) {
    translator.setBaseForms(baseForms.get());
}

std::string programDirFromExecutable(std::string_view path) {
    if (path.size() > 999) path = path.substr(0, 999);
    const size_t cut = path.find_last_of("/\\");
    if (cut == std::string_view::npos) return std::string();
    return std::string(path.substr(0, cut));
}

}  // namespace lexavo
