#pragma once

#include <memory>
#include <string>

namespace platform {

// The text the user has selected in another application, where the session
// publishes it without a copy (the PRIMARY selection on X11).
class SelectedText
{
public:
    // Not "Status": Xlib defines that name as a macro.
    enum class Outcome {
        Text,     // the owner answered with text
        Nothing,  // no selection, or an empty one
        Failed,   // no answer in time, or not as text: worth another try
        Stale,    // nobody has selected anything since the last read
    };
    struct Result
    {
        Outcome outcome = Outcome::Nothing;
        std::string text;  // UTF-8
    };

    virtual ~SelectedText() = default;

    // A selection outlives the gesture that made it, so one that has not
    // been made anew since the last read that returned Text is Stale: a
    // drag that selected nothing must not offer the earlier text again.
    // Blocks for at most timeoutMs. The GUI thread may call it as long as
    // the selection is not its own: nobody would serve it then.
    virtual Result read(int timeoutMs) = 0;
};

// The service of this session; null when the session publishes no selection.
std::shared_ptr<SelectedText> selectedText();

}  // namespace platform
