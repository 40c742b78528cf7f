// Scenario files: read into steps, every line checked when the file is read,
// then run against the real program on scripted services.
#pragma once

#include "platform/picture.h"

#include <QColor>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QObject;
class QWidget;

namespace trompalo {
class Form1;
namespace testkit {
class ScriptedServices;
}
} // namespace trompalo

namespace trompalo::scenario {

// A control, a window, or a property or variable of the game, as written.
struct Reference {
    QString window = "Form1";
    QString name; // control or variable; empty for a window itself
    std::vector<int> indexes;
    QString property; // empty for a control or a variable
    bool variable = false;
    QString text;
};

// What a scenario compares: numbers (Booleans are -1 and 0), texts, colours
// and pictures (by identity; the text is how one reads in a message).
struct Value {
    enum class Kind { Number, Boolean, Text, Color, Picture };
    Kind kind = Kind::Number;
    double number = 0;
    QString text;
    QColor color;
    Picture picture;
    QString toString() const;
    bool operator==(const Value& other) const;
};

class Runner;

// One line of a file, ready to run.
struct Step {
    int line = 0;
    std::function<void(Runner&, int line)> run;
};

struct Script {
    QString file;
    bool splashKeep = false;
    std::vector<Step> steps;
};

// Reads a file; on failure returns false with "FILE:LINE: reason" in error.
bool readScript(const QString& file, Script& script, QString& error);

// The game's variables a scenario may read.
bool isVariable(const QString& name);

class Runner {
public:
    // Runs one script in a fresh program; returns the failed expectations,
    // each as "FILE:LINE: expected ..., got ...".
    QStringList run(const Script& script);

    // What the steps use.
    const QString& file() const { return script_->file; }
    testkit::ScriptedServices& services() const { return *services_; }
    Form1& form1() const { return *form1_; }
    void fail(int line, const QString& expected, const QString& got);
    QWidget* window(const QString& name) const;
    QObject* control(const Reference& ref, QString& why) const;
    std::optional<Value> read(const Reference& ref, QString& why) const;
    Value picture(const Picture& shown) const;
    QString openModal() const;
    int soundsChecked = 0;
    int shellChecked = 0;
    int beepsChecked = 0;
    Qt::MouseButtons held;

private:
    bool step();
    void untilHidden(QWidget& shown);
    std::optional<Value> variable(const Reference& ref, QString& why) const;

    const Script* script_ = nullptr;
    std::size_t next_ = 0;
    QStringList failures_;
    bool endedInModal_ = false;
    testkit::ScriptedServices* services_ = nullptr;
    Form1* form1_ = nullptr;
};

// Values as the game's controls give them.
Value number(double n);
Value boolean(bool b);
Value text(const QString& t);
Value color(const QColor& c);

// A text as a scenario writes it, with quotes and escapes.
QString quoted(const QString& text);

} // namespace trompalo::scenario
