// A scenario file read into commands: each line checked when the file is read,
// so that a line the runner does not understand stops the file before it runs.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace trompalo::scenario {

// A control, a window, or a property or variable of the game.
struct Reference {
    QString window; // "Form1" unless a window prefix was written
    QString name;   // control (or variable) name; empty for a window itself
    std::vector<int> indexes;
    QString property; // empty for a plain control or a variable
    bool variable = false;
    QString text; // as written
};

// A value to compare with: kept as written, resolved when the line runs
// (a picture value names controls of the running program).
struct Expected {
    enum class Kind { Number, Text, Boolean, Color, Empty, None, Strip, PictureOf };
    Kind kind = Kind::Number;
    double number = 0;
    QString text;
    bool boolean = false;
    int strip = 0;
    Reference of; // for PictureOf
    QString written;
};

struct Command {
    int line = 0;
    QString verb; // the command word, or "expect-<what>"
    std::optional<Reference> ref;
    std::optional<Expected> value;
    std::vector<double> numbers;
    QString word; // a window, button, icon or answer word
    QString word2;
    QString text; // a quoted text
};

struct Script {
    QString file;
    bool splashKeep = false;
    std::vector<Command> commands;
};

// Reads a file; on failure returns false with "FILE:LINE: reason" in error.
bool readScript(const QString& file, Script& script, QString& error);

// The names of the game's variables scenarios may read.
const QStringList& variableNames();
// The names of the properties scenarios may read.
const QStringList& propertyNames();
const QStringList& windowNames();

} // namespace trompalo::scenario
