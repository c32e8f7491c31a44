#pragma once

// What an editing dialog does after its OK checks: close, or stay with the name field focused
// and its text selected so that the user can change it.
enum class EOkOutcome { Close, RefocusName };
