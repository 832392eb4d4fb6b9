#pragma once

// The one way every console operation runs: busy cursor, convert the page's fields, one device
// call, the result report or the exception report, cursor back.

#include "Codecs.h"
#include "Cursor.h"
#include "Exception.h"

#include <QWidget>
#include <functional>

namespace framework {

// The main window as the helpers see it: a window that remembers the cursor EndBusy restores.
class FormBase : public QWidget {
public:
    using QWidget::QWidget;
    int16_t FSavedCursor = crDefault;
};

void BeginBusy(FormBase& form);
// Puts back the window's saved cursor; busy sections do not nest.
void EndBusy(FormBase& form);
void ShowErrorBox(FormBase& form, const QString& text, int style);
bool ConfirmAction(FormBase& form, const QString& question);
// Shows "<name>: error <code>" for a nonzero code; true when the code is 0.
bool CheckResult(FormBase& form, const QString& name, int code);
// Shows "<name>: raised Exception. Message:\n<message>".
void ReportException(FormBase& form, const QString& name, const Exception& e);

// BeginBusy now, EndBusy when the section ends, however it ends.
class BusySection {
public:
    explicit BusySection(FormBase& form) : form_(form) { BeginBusy(form_); }
    ~BusySection() { EndBusy(form_); }
    BusySection(const BusySection&) = delete;
    BusySection& operator=(const BusySection&) = delete;

private:
    FormBase& form_;
};

// Runs one operation in the standard pattern. `call` converts the fields and calls the device,
// returning its result code; on 0, `onSuccess` (if given) shows the answer. A conversion error or
// any other framework::Exception in either is reported under `exceptionName`. Returns true when
// the device answered 0 and nothing was raised.
bool RunOperation(FormBase& form, const QString& resultName, const QString& exceptionName,
                  const std::function<int()>& call, const std::function<void()>& onSuccess = {});
inline bool RunOperation(FormBase& form, const QString& name, const std::function<int()>& call,
                         const std::function<void()>& onSuccess = {}) {
    return RunOperation(form, name, name, call, onSuccess);
}

} // namespace framework
