// A recogniser and filters for the conversion tests. The test format is a
// header line "ZTTEST <code> <subtype>" followed by an intermediate file.
// What a filter does is asked of it through the environment variable
// ZT_TEST_FILTER: empty converts, "error <n>" answers n, "nothing" writes
// nothing, "cut" writes half and answers 4 on save (0 on open),
// "display" reports 0, 50 and 100 before converting. Each filter records
// its subtype and option texts in ZT_TEST_FILTER_ARGS.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
const char kHeader[] = "ZTTEST ";
const int kBadFormat = 9;
const int kOpenError = 1;
const int kWriteError = 4;

typedef int(WINAPI* Progress)(int);

bool ReadAll(const char* path, std::string& bytes)
{
    HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &n, NULL) && n > 0)
        bytes.append(buffer, n);
    CloseHandle(h);
    return true;
}

bool WriteAll(const char* path, const std::string& bytes)
{
    HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD n = 0;
    const BOOL ok = bytes.empty() || WriteFile(h, bytes.data(), (DWORD)bytes.size(), &n, NULL);
    CloseHandle(h);
    return ok && n == bytes.size();
}

std::string Request()
{
    char text[256] = "";
    GetEnvironmentVariableA("ZT_TEST_FILTER", text, sizeof(text));
    return text;
}

// The code and subtype a test file's header names; false without one.
bool ReadHeader(const std::string& bytes, int& code, int& subtype, size_t& bodyAt)
{
    if (bytes.compare(0, strlen(kHeader), kHeader) != 0)
        return false;
    const size_t end = bytes.find('\n');
    if (end == std::string::npos || sscanf(bytes.c_str() + strlen(kHeader), "%d %d", &code, &subtype) != 2)
        return false;
    bodyAt = end + 1;
    return true;
}

// Answers the request's error code, or -1 to go on converting.
int Preamble(const char* subtype, const char* option, Progress display)
{
    SetEnvironmentVariableA("ZT_TEST_FILTER_ARGS", (std::string(subtype) + " " + option).c_str());
    const std::string request = Request();
    if (request.compare(0, 6, "error ") == 0)
        return atoi(request.c_str() + 6);
    if (request == "display")
        for (int percent : {0, 50, 100})
            display(percent);
    return -1;
}
} // namespace

extern "C" int WINAPI autorec(const char* path, int, int* subtype)
{
    std::string bytes;
    int code = 0, sub = 0;
    size_t bodyAt = 0;
    if (!ReadAll(path, bytes) || !ReadHeader(bytes, code, sub, bodyAt))
        return 0;
    *subtype = sub;
    return code;
}

extern "C" int WINAPI w4wf(const char* input, const char* output, const char* subtype, const char* option,
                           Progress display)
{
    const int early = Preamble(subtype, option, display);
    if (early >= 0)
        return early;
    std::string bytes;
    int code = 0, sub = 0;
    size_t bodyAt = 0;
    if (!ReadAll(input, bytes))
        return kOpenError;
    if (!ReadHeader(bytes, code, sub, bodyAt))
        return kBadFormat;
    const std::string request = Request();
    if (request == "nothing")
        return 0;
    std::string body = bytes.substr(bodyAt);
    if (request == "cut")
        body.resize(body.size() / 2);
    return WriteAll(output, body) ? 0 : kWriteError;
}

extern "C" int WINAPI w4wt(const char* input, const char* output, const char* subtype, const char* option,
                           Progress display)
{
    const int early = Preamble(subtype, option, display);
    if (early >= 0)
        return early;
    std::string body;
    if (!ReadAll(input, body))
        return kOpenError;
    const std::string request = Request();
    if (request == "nothing")
        return 0;
    std::string bytes = std::string(kHeader) + "19 1\n" + body;
    if (request == "cut")
    {
        bytes.resize(bytes.size() / 2);
        WriteAll(output, bytes);
        return kWriteError;
    }
    return WriteAll(output, bytes) ? 0 : kWriteError;
}
