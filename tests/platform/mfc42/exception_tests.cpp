// Exceptions: the TRY/CATCH macros, ownership through Delete, the mapping
// of system errors and the readable messages.
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include "tests/platform/mfc42/thrown_exceptions.h"
#include <string>

namespace {

// Counts live objects, to see what Delete frees.
class CCountedException : public CException
{
public:
    static int live;
    explicit CCountedException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) { ++live; }
    ~CCountedException() { --live; }
};
int CCountedException::live = 0;

TEST(ExceptionMacros, HandlersMatchInOrderOnTheThrownClass)
{
    // Which handler of TRY / CATCH / AND_CATCH / AND_CATCH_ALL runs.
    const struct
    {
        const char* name;
        void (*thrower)();
        const char* handler;
    } cases[] = {
        {"file", [] { AfxThrowFileException(CFileException::diskFull, 112, "a.doc"); }, "file"},
        {"archive", [] { AfxThrowArchiveException(CArchiveException::badClass); }, "archive"},
        {"memory", [] { AfxThrowMemoryException(); }, "any"},
        {"user", [] { AfxThrowUserException(); }, "any"},
        {"none", [] {}, "none"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::string handler = "none";
        TRY
        {
            c.thrower();
        }
        CATCH(CFileException, e)
        {
            handler = "file";
            EXPECT_EQ(e->m_cause, CFileException::diskFull);
            EXPECT_EQ(e->m_lOsError, 112);
            EXPECT_STREQ(e->m_strFileName, "a.doc");
        }
        AND_CATCH(CArchiveException, e)
        {
            handler = "archive";
            EXPECT_EQ(e->m_cause, CArchiveException::badClass);
        }
        AND_CATCH_ALL(e)
        {
            handler = "any";
            EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
        }
        END_CATCH_ALL
        EXPECT_EQ(handler, c.handler);
    }
}

TEST(ExceptionMacros, ThrowLastPassesTheSameObjectOutward)
{
    CException* inner = nullptr;
    CException* outer = nullptr;
    TRY
    {
        TRY
        {
            THROW(new CCountedException);
        }
        CATCH_ALL(e)
        {
            inner = e;
            THROW_LAST();
        }
        END_CATCH_ALL
    }
    CATCH(CException, e)
    {
        outer = e;
        EXPECT_EQ(CCountedException::live, 1);   // rethrowing did not free it
    }
    END_CATCH
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner, outer);
    EXPECT_EQ(CCountedException::live, 0);      // the outer block's end did
}

TEST(ExceptionOwnership, DeleteFreesOnlyHeapExceptions)
{
    {
        CCountedException onStack(FALSE);
        onStack.Delete();
        EXPECT_EQ(CCountedException::live, 1);
    }
    EXPECT_EQ(CCountedException::live, 0);

    // The out-of-memory exception is one shared object that survives Delete.
    CMemoryException* first = nullptr;
    CMemoryException* second = nullptr;
    EXPECT_TRUE(Throws<CMemoryException>([] { AfxThrowMemoryException(); }, [&](CMemoryException* e) { first = e; }));
    EXPECT_TRUE(Throws<CMemoryException>([] { AfxThrowMemoryException(); }, [&](CMemoryException* e) { second = e; }));
    EXPECT_EQ(first, second);
    EXPECT_TRUE(second->IsKindOf(RUNTIME_CLASS(CMemoryException)));
}

TEST(FileExceptionTest, SystemErrorsMapToCauses)
{
    const struct
    {
        LONG error;
        int cause;
    } cases[] = {
        {NO_ERROR, CFileException::none},
        {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
        {ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {ERROR_INVALID_NAME, CFileException::badPath},
        {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
        {ERROR_ACCESS_DENIED, CFileException::accessDenied},
        {ERROR_INVALID_HANDLE, CFileException::invalidFile},
        {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
        {ERROR_CANNOT_MAKE, CFileException::directoryFull},
        {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
        {ERROR_CRC, CFileException::hardIO},
        {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
        {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
        {ERROR_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_EOF, CFileException::endOfFile},
        {ERROR_NOT_ENOUGH_MEMORY, CFileException::generic},
        {123456, CFileException::generic},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CFileException::OsErrorToException(c.error), c.cause) << "error " << c.error;

    // ThrowOsError carries the error and the name; no error, no throw.
    EXPECT_EQ(CauseOf<CFileException>([] { CFileException::ThrowOsError(0, "x"); }), kNothingThrown);
    EXPECT_TRUE(Throws<CFileException>([] { CFileException::ThrowOsError(ERROR_SHARING_VIOLATION, "C:\\busy.doc"); },
                                       [](CFileException* e) {
                                           EXPECT_EQ(e->m_cause, CFileException::sharingViolation);
                                           EXPECT_EQ(e->m_lOsError, ERROR_SHARING_VIOLATION);
                                           EXPECT_STREQ(e->m_strFileName, "C:\\busy.doc");
                                       }));
}

TEST(ExceptionMessages, NameTheFileAndFitTheBuffer)
{
    char text[256];
    UINT help = 99;

    CFileException notFound(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "C:\\docs\\report.doc");
    ASSERT_TRUE(notFound.GetErrorMessage(text, sizeof(text), &help));
    EXPECT_STREQ(text, "Could not find C:\\docs\\report.doc.");
    EXPECT_EQ(help, 0u);

    // Every cause has its own text, and an unnamed file still reads well.
    std::string seen;
    for (int cause = CFileException::none; cause <= CFileException::endOfFile; ++cause)
    {
        CFileException e(cause);
        ASSERT_TRUE(e.GetErrorMessage(text, sizeof(text)));
        EXPECT_NE(std::string(text).find("the file"), std::string::npos) << text;
        EXPECT_EQ(seen.find(std::string(text) + "|"), std::string::npos) << "repeated: " << text;
        seen += std::string(text) + "|";
    }

    CArchiveException badClass(CArchiveException::badClass, "C:\\a.zt");
    ASSERT_TRUE(badClass.GetErrorMessage(text, sizeof(text)));
    EXPECT_STREQ(text, "C:\\a.zt contains an unexpected kind of object.");
    CArchiveException unnamed(CArchiveException::endOfFile);
    ASSERT_TRUE(unnamed.GetErrorMessage(text, sizeof(text)));
    EXPECT_STREQ(text, "Unexpected end of file in the document.");

    // Cut to the buffer, still terminated.
    char tiny[8];
    memset(tiny, 'x', sizeof(tiny));
    ASSERT_TRUE(notFound.GetErrorMessage(tiny, sizeof(tiny)));
    EXPECT_STREQ(tiny, "Could n");

    EXPECT_TRUE(CMemoryException().GetErrorMessage(text, sizeof(text)));
    EXPECT_TRUE(CNotSupportedException().GetErrorMessage(text, sizeof(text)));
    EXPECT_FALSE(CException().GetErrorMessage(text, sizeof(text)));
    EXPECT_STREQ(text, "");
}

}  // namespace
