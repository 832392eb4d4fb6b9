#include "Access.h"

#include "FormMain.h"

#include "framework/Accessibility.h"

#include <QLabel>
#include <QTabWidget>

namespace {

// The few controls whose captions on screen do not say what they are: the footer buttons act on
// the whole group, not on the line their row shows; a value box beside its type drop-down shares
// the drop-down's label; the image number, the barcode's type and code and the journal have no
// caption on screen.
const framework::access::NameExceptions& Exceptions() {
    static const framework::access::NameExceptions names{
        {QStringLiteral("ButtonSetFooter"), QStringLiteral("Set Footer")},
        {QStringLiteral("ButtonGetFooter"), QStringLiteral("Get Footer")},
        {QStringLiteral("ButtonSetFooter2"), QStringLiteral("Set Footer 2")},
        {QStringLiteral("ButtonGetFooter2"), QStringLiteral("Get Footer 2")},
        {QStringLiteral("JournalText"), QStringLiteral("Journal text")},
        {QStringLiteral("NumberImage"), QStringLiteral("Printer settings Image number")},
        {QStringLiteral("FiscalReceiptItemDiscount"), QStringLiteral("Items Add/Discount value")},
        {QStringLiteral("FiscalReceiptDiscountType"), QStringLiteral("Receipt Add/Discount type")},
        {QStringLiteral("FiscalReceiptDiscount"), QStringLiteral("Receipt Add/Discount value")},
        {QStringLiteral("CODE39Type"), QStringLiteral("Print TG2480 Barcode Type")},
        {QStringLiteral("CODE39Code"), QStringLiteral("Print TG2480 Barcode Code")},
    };
    return names;
}

void NamePages(QTabWidget* pages) {
    for (int i = 0; i < pages->count(); ++i) {
        framework::access::NameControls(pages->widget(i), Exceptions());
        for (QTabWidget* sub : pages->widget(i)->findChildren<QTabWidget*>())
            NamePages(sub);
    }
}

} // namespace

void PrepareAccess(TFormMain& form) {
    namespace access = framework::access;
    access::MakeLinkLabel(form.Label250, [&form] { form.Label250Click(); });
    access::InstallAccessibleFactory(&form);
    if (auto* logo = form.findChild<QLabel*>(QStringLiteral("ImageLogo"))) {
        logo->setAccessibleName(QStringLiteral("Tillmate logo"));
        logo->setAccessibleDescription(
            QStringLiteral("A receipt strip curling out of a till, beside the word Tillmate"));
    }
    NamePages(form.PageControl1);
    access::OrderFocus(form.PageControl1);
    access::GuardHiddenTabs(form.PageControl1);
    access::PressButtonsOnEnter(&form);
}
