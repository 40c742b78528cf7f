#include "scripted_services.h"

#include "platform/message_box.h"
#include "platform/timer.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>

namespace trompalo::testkit {

ScriptedServices::ScriptedServices() {
    seed(1);
}

void ScriptedServices::seed(std::uint64_t seed) {
    generator_.seed(seed);
}

double ScriptedServices::clock() {
    return now_;
}

void ScriptedServices::randomize() {
    // The test decides the draws: seeding from the clock would make runs differ.
}

double ScriptedServices::random() {
    if (!queued_.empty()) {
        const double value = queued_.front();
        queued_.pop_front();
        return value;
    }
    return unitInterval(generator_());
}

void ScriptedServices::playSound(const QString& name) {
    sounds.push_back(name);
}

void ScriptedServices::openDocument(const QString& target) {
    shellTargets.push_back(target);
}

void ScriptedServices::beep() {
    ++beeps;
}

void ScriptedServices::runModal(QWidget& window, const QString& name) {
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    QCoreApplication::processEvents();
    modals_.push_back({&window, name});
    if (whileModal)
        whileModal(window);
    else
        window.hide();
    modals_.pop_back();
}

MsgAnswer ScriptedServices::messageBox(QWidget* owner, const QString& text, MsgButtons buttons,
                                       MsgIcon icon) {
    const auto box = makeMessageBox(owner, text, buttons, icon);
    runModal(*box, box->objectName());
    return answerOf(*box);
}

void ScriptedServices::showModal(QDialog& window) {
    runModal(window, window.objectName());
}

void ScriptedServices::processEvents() {
    QCoreApplication::processEvents();
}

void ScriptedServices::driveTimer(Timer& timer) {
    timer_ = &timer;
}

std::optional<WindowSizeChoice> ScriptedServices::savedWindowSize() {
    return windowSize;
}

void ScriptedServices::saveWindowSize(const WindowSizeChoice& choice) {
    windowSize = choice;
}

} // namespace trompalo::testkit
