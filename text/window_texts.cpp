#include "text/window_texts.h"

namespace murkvale {

std::string maxCharsText(int maxChars) {
    std::string text = "Please enter no more than %1 characters.";
    text.replace(text.find("%1"), 2, std::to_string(maxChars));
    return text;
}

}  // namespace murkvale
