#pragma once
// The host's modal message box. It is shown through the installed host UI driver.

#include <string_view>

class ZKMessageBox {
public:
    // `type` 0 shows the default buttons. Returns the button that closed the message.
    static int Show(std::wstring_view text, unsigned int type);
};
