#include "FormFixture.h"
#include "LayoutCheck.h"

#include "pages/PageLayout.h"

#include <QPushButton>

using namespace testing_support;

// Every page and sub-page of the window, the hidden ones included, at the window's fixed size and
// font: nothing leaves its page or group, nothing overlaps, every caption shows in full, and the
// "Reset" button has its corner to itself.
class PageLayout : public FormFixture {};

TEST_F(PageLayout, EveryPageIsTidyAtTheWindowSize) {
    struct Page {
        QWidget* page;
        QSize size;
        const char* reset; // the page's "Reset" button, or nullptr
    };
    const QSize full(pages::PageWidth, pages::PageHeight);
    const QSize sub(pages::SubPageWidth, pages::SubPageHeight);
    const Page all[] = {
        {form->TabSheet1, full, "ButtonSettingsResetFiscal"},
        {form->TabSheet2, full, "ButtonInfoResetFiscal"},
        {form->TabSheet3, full, "ButtonFiscalReceiptResetFiscal"},
        {form->TabSheet4, full, "ButtonNonFiscalReceiptResetFiscal"},
        {form->TabSheet5, full, "ButtonOtherResetFiscal"},
        {form->TabSheet7, full, "ButtonServiceResetFiscal"},
        {form->TabSheet15, full, nullptr},
        {form->TabSheet16, full, nullptr},
        {form->TabSheet18, full, nullptr},
        {form->TabSheet8, sub, nullptr},
        {form->TabSheet12, sub, "ButtonFuelSale_Reset"},
        {form->TabSheet13, sub, nullptr},
        {form->TabSheet17, sub, nullptr},
        {form->TabSheet10, sub, "ButtonLoadResetFiscal"},
        {form->TabSheet11, sub, nullptr},
        {form->TabSheet14, sub, nullptr},
    };
    for (const Page& p : all) {
        SCOPED_TRACE(p.page->objectName().toStdString());
        ExpectTidy(ShownChildren(p.page), QRect(QPoint(0, 0), p.size));
        if (!p.reset)
            continue;
        auto* reset = find<QPushButton>(p.reset);
        EXPECT_EQ(reset->parentWidget(), p.page);
        EXPECT_EQ(reset->text(), "Reset");
    }
}
