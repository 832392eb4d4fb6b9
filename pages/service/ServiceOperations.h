#pragma once

#include "pages/PageHost.h"

class QDateEdit;
class QLineEdit;

namespace framework {
class StringGrid;
}

namespace pages::service {

// Fiscalization, chassis and identification numbers, bad blocks (Service page, left part).
class ServiceOperations {
public:
    explicit ServiceOperations(PageHost& host);

    void ButtonServiceFiscalizationClick();
    void ButtonServiceGetBadBlocksClick();
    void ButtonServiceSetShassiClick();
    void ButtonServiceSetIdNumberClick();
    // The "Initialize" button of the group that is never shown: does nothing.
    void Button8Click();

private:
    void BuildGroups();
    void SetNumber(const char* operation, int (*set)(const char*), const QLineEdit* box);

    PageHost& host_;
    framework::FormBase& form_;
    QDateEdit* FiscalizationDate = nullptr;
    QLineEdit* ServiceShassiNumber = nullptr;
    QLineEdit* ServiceIdNumber = nullptr;
    framework::StringGrid* ServiceBadBlocks = nullptr;
};

} // namespace pages::service
