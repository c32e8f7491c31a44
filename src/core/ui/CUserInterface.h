#pragma once

#include <string_view>

enum class EMessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class EMessageIcon { None, Question, Warning, Error };
enum class EMessageResult { Ok, Cancel, Yes, No };

// Everything core asks of a person or the desktop goes through here: the window implements it,
// tests script it. Texts are UTF-8.
class CUserInterface {
public:
    virtual ~CUserInterface() = default;
    virtual EMessageResult MessageBox(std::string_view text, EMessageButtons buttons,
                                      EMessageIcon icon) = 0;
};
