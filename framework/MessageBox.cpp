#include "MessageBox.h"

#include "Exception.h"

#include <QApplication>
#include <QMessageBox>

namespace framework {

const char* const ApplicationTitle = "Tillmate";

namespace {

int showQtMessageBox(const QString& caption, const QString& text, int style) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    if (style == mbYesNoQuestion) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? idYes : idNo;
    }
    box.setIcon(style == mbStop ? QMessageBox::Critical : QMessageBox::Information);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return idOk;
}

MessageBoxHandler& handler() {
    static MessageBoxHandler h = showQtMessageBox;
    return h;
}

} // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler h) {
    MessageBoxHandler previous = std::move(handler());
    handler() = h ? std::move(h) : MessageBoxHandler(showQtMessageBox);
    return previous;
}

int ShowMessageBox(const QString& caption, const QString& text, int style) {
    return handler()(caption, text, style);
}

void ShowApplicationException(const std::exception& e) {
    const auto* own = dynamic_cast<const Exception*>(&e);
    const QString text = own ? own->message() : QString::fromLocal8Bit(e.what());
    ShowMessageBox(QString::fromLatin1(ApplicationTitle), text, mbStop);
}

void RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        ShowApplicationException(e);
    }
}

} // namespace framework
