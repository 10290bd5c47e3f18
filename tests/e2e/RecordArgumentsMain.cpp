// Stands in for the browser as the handler of https addresses in a test
// prefix: appends each argument after the first to the file the first names,
// one a line, so a test sees the address without opening a browser.
#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 1;
    FILE* log = _wfopen(argv[1], L"a, ccs=UTF-8");
    if (log == nullptr)
        return 2;
    for (int i = 2; i < argc; ++i)
        fwprintf(log, L"%ls\n", argv[i]);
    fclose(log);
    return 0;
}
