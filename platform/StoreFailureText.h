#pragma once

#include <string>

namespace zol {

// Why a settings store could not keep the best values, in the game's
// language, naming what the player would have to fix. The save-failure box
// shows it under its own first line.

inline std::string folderNotWritableText(const std::string& folder) {
    return "フォルダー「" + folder + "」に書き込めません。";
}

inline std::string fileNotWritableText(const std::string& file) {
    return "ファイル「" + file + "」に書き込めません。";
}

inline std::string valueNotKeptText(const std::string& file) {
    return "ファイル「" + file + "」に書いた値が残りませんでした。";
}

} // namespace zol
