// Files as the storage tests see them: a file's bytes, and a compound file
// read by an independent reader, Python's olefile (Debian's
// python3-olefile), run outside Wine on the file's Unix path.
#pragma once
#include "afx.h"
#include <fstream>
#include <stdio.h>
#include <string>

// The file's bytes, "<missing>" when it cannot be opened.
inline std::string FileBytes(const std::string& path)
{
    CFile file;
    if (!file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone))
        return "<missing>";
    std::string s(file.GetLength(), '\0');
    s.resize(file.Read(&s[0], (UINT)s.size()));
    return s;
}

// The Unix path of a Wine path.
inline std::string UnixPath(const std::string& dosPath)
{
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, dosPath.c_str(), -1, wide, MAX_PATH);
    char* unixName = wine_get_unix_file_name(wide);
    std::string result = unixName ? unixName : "";
    HeapFree(GetProcessHeap(), 0, unixName);
    return result;
}

// What Python's olefile finds in a saved file: the root's class id, then
// each stream's name and bytes in hexadecimal.
inline std::string ReadWithOlefile(const std::string& dosPath)
{
    const char* script =
        "import sys, olefile\n"
        "f = olefile.OleFileIO(sys.argv[1])\n"
        "print(f.root.clsid)\n"
        "for e in sorted(f.listdir()):\n"
        "    print('/'.join(e), f.openstream(e).read().hex())\n";
    std::string scriptPath = UnixPath(dosPath) + ".py";
    std::ofstream(scriptPath) << script;
    const char* python = GetFileAttributesA("Z:\\usr\\bin\\python3") != INVALID_FILE_ATTRIBUTES
        ? "/usr/bin/python3" : "python3";
    std::string command = std::string(python) + " '" + scriptPath + "' '" + UnixPath(dosPath) + "' 2>&1";
    std::string out;
    if (FILE* p = popen(command.c_str(), "r"))
    {
        char buf[256];
        while (fgets(buf, sizeof(buf), p))
            out += buf;
        pclose(p);
    }
    remove(scriptPath.c_str());
    return out;
}
