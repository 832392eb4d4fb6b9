/* tillcore_module.h - functions of the module emulator beyond the device library's 82: what a
 * real module cannot be asked through its interface (its faults, its clock set freely, its
 * fiscal records as data, a fresh start). tillmate-module uses them; an integrator's test bench
 * may too. Only the emulator's libtillcore.so.1 exports them.
 *
 * Every function returns a result code of the emulator (0 success; emulator/README.md) and works
 * on the module memory that the device functions use, also while other processes have it open.
 * Answers are zero-terminated texts of fields each ended by FS (0x1C), written into room bytes;
 * 163 when they do not fit (nothing written then).
 */
#ifndef TILLCORE_MODULE_H
#define TILLCORE_MODULE_H

#ifdef __cplusplus
extern "C" {
#endif

#define TILLCORE_MODULE_EXPORT __attribute__((visibility("default")))

/* The module memory file this process uses (TILLCORE_DB, else the default path); creates
 * nothing. 200 when there is none (no HOME). */
TILLCORE_MODULE_EXPORT int TillcoreModulePath(char* answer, int room);

/* This process only inspects the module from now on: faults neither fail, delay nor refuse its
 * calls (the answers of codes 9, 307 and 914 still show them). */
TILLCORE_MODULE_EXPORT void TillcoreModuleObserveOnly(void);

/* Sets a fault: name as listed in emulator/README.md, value its argument (NULL or "" when it takes
 * none): "latency" takes milliseconds 1..60000, "fail" takes "FUNCTION CODE" or
 * "FUNCTION CODE once". 2 for an unknown name or function, 3 for a bad value. */
TILLCORE_MODULE_EXPORT int TillcoreModuleSetFault(const char* name, const char* value);

/* Clears one fault ("fail FUNCTION" clears one function's failure, "fail" all of them), or every
 * fault when name is NULL or empty. Clearing a fault that is not set is not an error. */
TILLCORE_MODULE_EXPORT int TillcoreModuleClearFault(const char* name);

/* The faults in force, two fields each: name ("fail FUNCTION" for a failure) and value. */
TILLCORE_MODULE_EXPORT int TillcoreModuleFaults(char* answer, int room);

/* Moves the module clock to yyyymmdd hhmm (any order of dates; a document may be open), or back
 * to the host clock when both are NULL. 5 for a malformed date or time. */
TILLCORE_MODULE_EXPORT int TillcoreModuleSetClock(const char* yyyymmdd, const char* hhmm);

/* The fiscal (Z) records, three fields each: number, date yyyymmdd, and the record's figures as
 * "key=value" lines. */
TILLCORE_MODULE_EXPORT int TillcoreModuleRecords(char* answer, int room);

/* Copies the module memory to backupPath (which must not exist; 3 if it does, 202 if the copy
 * fails), then makes the module a fresh one: fiscal records, journal and faults are gone. Both
 * happen in one transaction: no other process's call comes between them. */
TILLCORE_MODULE_EXPORT int TillcoreModuleReset(const char* backupPath);

#ifdef __cplusplus
}
#endif

#endif /* TILLCORE_MODULE_H */
