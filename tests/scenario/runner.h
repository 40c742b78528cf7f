// Runs scenario files against the real program with scripted services.
#pragma once

#include "platform/picture.h"
#include "script.h"

#include <QColor>

namespace trompalo {
class Form1;
namespace testkit {
class ScriptedServices;
}
} // namespace trompalo

class QObject;
class QWidget;

namespace trompalo::scenario {

// What a scenario compares: numbers (Booleans are -1 and 0), texts, colours
// and pictures (by identity; the name is how one reads in a message).
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

class Runner {
public:
    // Runs one script in a fresh program; returns the failed expectations,
    // each as "FILE:LINE: expected ..., got ...".
    QStringList run(const Script& script);

private:
    bool step();
    void untilHidden(QWidget& window);
    void execute(const Command& command);
    void expect(const Command& command);
    void fail(const Command& command, const QString& expected, const QString& got);

    // The running program's windows, controls, properties and variables.
    QWidget* window(const QString& name) const;
    QObject* control(const Reference& ref, QString& why) const;
    std::optional<Value> read(const Reference& ref, QString& why) const;
    std::optional<Value> variable(const Reference& ref, QString& why) const;
    std::optional<Value> resolve(const Expected& expected, QString& why) const;
    Value picture(const Picture& picture) const;
    QString openModal() const;

    const Script* script_ = nullptr;
    std::size_t next_ = 0;
    QStringList failures_;
    bool endedInModal_ = false;
    int soundsChecked_ = 0;
    int shellChecked_ = 0;
    int beepsChecked_ = 0;
    Qt::MouseButtons held_;
    testkit::ScriptedServices* services_ = nullptr;
    Form1* form1_ = nullptr;
};

// A text as a scenario writes it, with quotes and escapes.
QString quoted(const QString& text);

} // namespace trompalo::scenario
