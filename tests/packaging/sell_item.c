/* An integrator's first program against the installed development package: on a fresh module
 * (TILLCORE_DB=:memory:) it sells one item for cash and reads the sale back from the module's
 * turnover, its receipt number and its journal. Prints what it read; exits nonzero on the first
 * call that fails. */
#include <tillcore.h>

#include <stdio.h>
#include <string.h>

static int check(const char* call, int code) {
    if (code != 0)
        fprintf(stderr, "%s -> %d\n", call, code);
    return code;
}

/* The first field of an answer (fields end with FS). */
static const char* first_field(char* answer) {
    char* fs = strchr(answer, TILLCORE_FS);
    if (fs)
        *fs = '\0';
    return answer;
}

int main(void) {
    char answer[1024];
    if (check("BeginFiscalReceipt", BeginFiscalReceipt()) ||
        check("PrintRecItemDepart", PrintRecItemDepart("Coffee beans 1 kg", 2, 7.35, 1, "pcs", 1)) ||
        check("EndFiscalReceiptCurrEx", EndFiscalReceiptCurrEx(20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)))
        return 1;
    if (check("GetFiscalInfo(1)", GetFiscalInfo(1, answer)))
        return 1;
    printf("turnover %s\n", first_field(answer));
    if (check("GetFiscalInfo(2)", GetFiscalInfo(2, answer)))
        return 1;
    printf("next receipt %s\n", first_field(answer));
    if (check("GetFiscalInfo2Ex(911)", GetFiscalInfo2Ex(911, 0, answer, (int)sizeof answer)))
        return 1;
    printf("journal:\n%s\n", answer);
    return 0;
}
