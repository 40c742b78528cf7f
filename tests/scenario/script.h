// A scenario file read into commands: every line is checked when the file is
// read, so that a line the runner does not understand stops the file before
// it runs.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace trompalo::scenario {

// A control, a window, or a property or variable of the game, as written.
struct Reference {
    QString window = QStringLiteral("Form1");
    QString name; // control or variable; empty for a window itself
    std::vector<int> indexes;
    QString property; // empty for a control or a variable
    bool variable = false;
    QString text;
};

// A value to compare with, resolved when its line runs (pictures name the
// running program's controls).
struct Expected {
    enum class Kind { Number, Text, Boolean, Color, Empty, None, Icon, Strip, PictureOf };
    Kind kind = Kind::Number;
    double number = 0;
    QString text; // a text, a colour, or a picture's control
    std::optional<Reference> of;
    QString written;
};

struct Command {
    int line = 0;
    QString verb; // the command word, or "expect-<what>"
    std::optional<Reference> ref;
    std::optional<Expected> value;
    std::vector<double> numbers;
    QStringList words; // buttons, windows, icons, answers
    QString text;      // a quoted text
};

struct Script {
    QString file;
    bool splashKeep = false;
    std::vector<Command> commands;
};

// Reads a file; on failure returns false with "FILE:LINE: reason" in error.
bool readScript(const QString& file, Script& script, QString& error);

} // namespace trompalo::scenario
