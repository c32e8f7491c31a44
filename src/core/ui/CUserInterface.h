#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class EMessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class EMessageIcon { None, Question, Warning, Error };
enum class EMessageResult { Ok, Cancel, Yes, No };

// Everything core asks of a person or the desktop goes through here: the window implements it,
// tests script it. Texts are UTF-8; file names are the file system's own bytes.
class CUserInterface {
public:
    virtual ~CUserInterface() = default;
    virtual EMessageResult MessageBox(std::string_view text, EMessageButtons buttons,
                                      EMessageIcon icon) = 0;
    // The file choosers show every file; nothing means the person cancelled.
    virtual std::optional<std::string> GetOpenFileName() = 0;
    // Asks before replacing an existing file.
    virtual std::optional<std::string> GetSaveFileName(const std::string& suggested) = 0;
    // Hands a web address or a file:// address to the desktop; false when nothing took it.
    virtual bool OpenUrl(const std::string& url) = 0;
    // Puts plain text on the clipboard. A clipboard that will not take it is not reported: the
    // program has always stayed silent about it.
    virtual void SetClipboardText(std::string_view text) = 0;
};
