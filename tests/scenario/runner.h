// Runs scenario files against the real program with scripted services.
#pragma once

#include "script.h"
#include "value.h"

#include <QStringList>

#include <memory>
#include <optional>

class QObject;
class QWidget;

namespace trompalo {
class Form1;
namespace testkit {
class ScriptedServices;
}
} // namespace trompalo

namespace trompalo::scenario {

class Runner {
public:
    // Runs one script in a fresh program; returns the failed expectations,
    // each as "FILE:LINE: expected ..., got ...".
    QStringList run(const Script& script);

private:
    bool step();
    void runUntilHidden(QWidget& window);
    void execute(const Command& command);
    void fail(const Command& command, const QString& expected, const QString& got);

    // Looking things up in the running program.
    QWidget* window(const QString& name) const;
    QObject* control(const Reference& ref, QString& why) const;
    std::optional<Value> read(const Reference& ref, QString& why) const;
    std::optional<Value> readVariable(const Reference& ref, QString& why) const;
    std::optional<Value> resolve(const Expected& expected, QString& why) const;
    QString pictureName(const Picture& picture) const;

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

} // namespace trompalo::scenario
