#pragma once

// Where written mail goes. The option sheet's radio group has always counted them so.
enum class EMailDelivery : int { MailProgram = 0, Clipboard = 1 };
