// The password gate of DOS documents: a protected file ("--PWD--", the
// stored form of its password, ";", one byte, then the masked body) is
// checked against the typed password and its body copied out unmasked.
#include "convert/conversion_services.h"
#include "convert/dos_password.h"
#include "document/path_parts.h"
#include "resources/resource.h"
#include <stdio.h>
#include <string.h>
#include <string>

namespace
{
const char kDosExtension[] = ".XTX";
const char kProtectedMark[] = "--PWD--";
const size_t kProtectedMarkLength = 7;
const char kStoredFormEnd = ';';
// The gate keeps this much of a stored form; a longer one cannot be the
// form of any password and never matches.
const size_t kMostStoredForm = 11;
const int kPasswordBufferSize = 9;     // 8 characters and the zero
const int kTransformedChars = 8;
const unsigned char kBodyMask = 0x3D;
const unsigned char kEndOfBody = 26;
const unsigned char kCarriageReturn = 13;
// The copy's name carries the process id: two running programs opening
// protected documents at once must not read or remove each other's copy.
const char kTemporaryCopyPrefix[] = "~TEMP$$$";
const char kTemporaryCopyExtension[] = ".XTX";

const int kNotDosDocument = 4;
const int kNotProtected = 2;
const int kAccepted = 1;
const int kRefused = 0;

PasswordPromptFn g_prompt = InputPasswordDlg;

// The key shifting each of the first eight characters, made when first
// needed rather than kept as a table.
int KeyByte(int position)
{
    return (position * 37 + 11) % 97;
}

// The rest of an open file after what bytes holds already.
bool ReadRest(HANDLE h, std::string& bytes)
{
    char buffer[4096];
    DWORD n = 0;
    bool ok = true;
    while ((ok = ReadFile(h, buffer, sizeof(buffer), &n, NULL) != FALSE) && n > 0)
        bytes.append(buffer, n);
    return ok;
}

// The whole copy or none: a copy cut short is removed.
bool WriteCopy(const CString& path, const std::string& bytes)
{
    HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD done = 0;
    const bool whole = WriteFile(h, bytes.data(), (DWORD)bytes.size(), &done, NULL) && done == bytes.size();
    const bool closed = CloseHandle(h) != FALSE;
    if (whole && closed)
        return true;
    DeleteFileA(path);
    return false;
}

void EmptyMessageQueue()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            PostQuitMessage((int)msg.wParam);
            break;
        }
    }
}
} // namespace

PasswordPromptFn SetPasswordPrompt(PasswordPromptFn prompt)
{
    PasswordPromptFn before = g_prompt;
    g_prompt = prompt ? prompt : InputPasswordDlg;
    return before;
}

void DR_encrypt(char* text)
{
    if (!text)
        return;
    for (int i = 0; i < kTransformedChars && text[i]; ++i)
    {
        int c = (signed char)text[i];
        if (c >= 'a' && c <= 'z')
            c -= 'a' - 'A';
        int sum = c + KeyByte(i);
        if (sum > 255)
            sum -= 255;
        if (sum < 32)
            sum += 32;
        text[i] = (char)(unsigned char)(sum & 0xFF);
    }
}

CString DosTemporaryCopyPath()
{
    char folder[MAX_PATH];
    const DWORD n = GetTempPathA(MAX_PATH, folder);
    char name[40];
    snprintf(name, sizeof name, "%s-%lu%s", kTemporaryCopyPrefix, (unsigned long)GetCurrentProcessId(),
             kTemporaryCopyExtension);
    if (n == 0 || n + strlen(name) >= MAX_PATH)
        return CString();
    return CString(folder) + name;
}

int CHK_password(CWnd&, const char* path)
{
    PathParts parts;
    if (!SplitPath(path, parts) || RuntimeStricmp(parts.ext, kDosExtension) != 0)
        return kNotDosDocument;

    HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
    {
        AfxMessageBox(IDS_DOS_CANNOT_OPEN_INPUT, MB_OK);
        return kRefused;
    }
    // An unprotected document is read no further than its mark.
    std::string file(kProtectedMarkLength, '\0');
    DWORD n = 0;
    if (!ReadFile(h, &file[0], (DWORD)kProtectedMarkLength, &n, NULL) || n < kProtectedMarkLength ||
        file.compare(0, kProtectedMarkLength, kProtectedMark) != 0)
    {
        CloseHandle(h);
        return kNotProtected;
    }
    const bool whole = ReadRest(h, file);
    CloseHandle(h);
    if (!whole)
    {
        AfxMessageBox(IDS_DOS_CANNOT_OPEN_INPUT, MB_OK);
        return kRefused;
    }

    size_t end = file.find(kStoredFormEnd, kProtectedMarkLength);
    if (end == std::string::npos)
        end = file.size();
    const std::string stored = file.substr(kProtectedMarkLength, end - kProtectedMarkLength);

    char typed[kPasswordBufferSize + 1] = {0};
    CString prompt;
    prompt.LoadString(IDS_DOS_ENTER_PASSWORD);
    if (!g_prompt(path, prompt, typed, kPasswordBufferSize))
        return kRefused;
    typed[kPasswordBufferSize] = 0;
    const size_t typedLength = strlen(typed);
    DR_encrypt(typed);
    const bool matches = stored.size() <= kMostStoredForm && stored.size() == typedLength &&
                         memcmp(stored.data(), typed, typedLength) == 0;
    if (!matches)
    {
        AfxMessageBox(IDS_DOS_WRONG_PASSWORD, MB_OK);
        EmptyMessageQueue();
        return kRefused;
    }

    std::string body;
    body.reserve(file.size());
    for (size_t i = end + 2; i < file.size(); ++i)
    {
        const unsigned char c = (unsigned char)file[i] ^ kBodyMask;
        if (c == kEndOfBody)
            break;
        if (c != kCarriageReturn)
            body += (char)c;
    }
    body += (char)kEndOfBody;
    const CString copy = DosTemporaryCopyPath();
    if (copy.IsEmpty() || !WriteCopy(copy, body))
    {
        AfxMessageBox(IDS_DOS_NO_TEMPORARY_FILE, MB_OK);
        EmptyMessageQueue();
        return kRefused;
    }
    return kAccepted;
}
