#include "ui/ExceptionMessage.h"

namespace ui {

std::string ExceptionBoxText(const std::string& message) {
    if (message.empty())
        return message;
    // Compared as an unsigned byte: the last byte of a double-byte character sorts after ".".
    const auto last = static_cast<unsigned char>(message.back());
    return last > '.' ? message + "." : message;
}

}  // namespace ui
