#include "Operations.h"

#include "MessageBox.h"

namespace framework {

void BeginBusy(FormBase&) {
    SetAppCursor(crHourGlass);
}

void EndBusy(FormBase& form) {
    SetAppCursor(form.FSavedCursor);
}

void ShowErrorBox(FormBase&, const QString& text, int style) {
    ShowMessageBox(QStringLiteral("Error"), text, style);
}

bool ConfirmAction(FormBase&, const QString& question) {
    return ShowMessageBox(QStringLiteral("Question"), question, mbYesNoQuestion) == idYes;
}

bool CheckResult(FormBase& form, const QString& name, int code) {
    if (code == 0)
        return true;
    ShowErrorBox(form, name + QStringLiteral(": error ") + QString::number(code), mbStop);
    return false;
}

void ReportException(FormBase& form, const QString& name, const Exception& e) {
    ShowErrorBox(form, name + QStringLiteral(": raised Exception. Message:\n") + e.message(), mbInformation);
}

bool RunOperation(FormBase& form, const QString& resultName, const QString& exceptionName,
                  const std::function<int()>& call, const std::function<void()>& onSuccess) {
    BusySection busy(form);
    try {
        if (!CheckResult(form, resultName, call()))
            return false;
        if (onSuccess)
            onSuccess();
        return true;
    } catch (const Exception& e) {
        ReportException(form, exceptionName, e);
        return false;
    }
}

} // namespace framework
