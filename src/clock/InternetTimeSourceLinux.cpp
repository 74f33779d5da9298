#include "clock/InternetTimeSource.h"
#include "clock/TimeClientModule.h"
#include "support/InstallLayout.h"
#include "support/ModulePath.h"
#include "support/TextConvert.h"

#include <dlfcn.h>
#include <mutex>
#include <sys/stat.h>
#include <vector>

namespace
{
bool IsRegularFile(const std::wstring& strPath)
{
    struct stat status = {};
    return stat(WideToUtf8(strPath).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// The module beside the program (a build folder), else in the installed layout's folder of
// private libraries.
std::string FindTimeClient()
{
    const std::vector<std::wstring> aCandidates = ListInstalledCandidates(
        GetModulePath(), Utf8ToWide(kTimeClientModuleName), kModuleInstallFolder);
    return WideToUtf8(ChooseCandidate(aCandidates, IsRegularFile));
}

// Once loaded the module stays: the client's threads outlive any request.
FTimeClientEntry LoadTimeClient(std::string& strError)
{
    static std::mutex mutex;
    static FTimeClientEntry pEntry = nullptr;
    static std::string strLoadError;
    const std::lock_guard lock(mutex);
    if (pEntry == nullptr && strLoadError.empty())
    {
        const std::string strModule = FindTimeClient();
        void* pModule = dlopen(strModule.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
        pEntry = pModule != nullptr
                     ? reinterpret_cast<FTimeClientEntry>(dlsym(pModule, kTimeClientEntryName))
                     : nullptr;
        if (pEntry == nullptr)
        {
            const char* pszError = dlerror();
            strLoadError = "cannot load the HTTPS client " + strModule + ": " +
                           (pszError != nullptr ? pszError : "no entry");
        }
    }
    strError = strLoadError;
    return pEntry;
}
} // namespace

SHttpDateResponse FetchHttpDate(const std::string& strBaseUrl, const std::wstring& strUserAgent,
                                std::optional<std::chrono::milliseconds> timeout)
{
    std::string strError;
    const FTimeClientEntry pEntry = LoadTimeClient(strError);
    if (pEntry == nullptr)
    {
        throw CHttpRequestFailure(strError);
    }
    STimeClientRequest request;
    request.strBaseUrl = strBaseUrl;
    request.strUserAgent = WideToUtf8(strUserAgent);
    request.llTimeoutMs = timeout ? timeout->count() : 0;
    STimeClientResult result;
    pEntry(&request, &result);
    if (!result.bAnswered)
    {
        throw CHttpRequestFailure(result.strFailure);
    }
    return SHttpDateResponse{result.nStatusCode, Utf8ToWide(result.strDate)};
}

void PrepareInternetTimeSource()
{
    std::string strError;
    LoadTimeClient(strError);
}

// Read by the leak checker of sanitizer builds only. The client's shared thread pool is stopped at
// exit without running the work still queued on it (closing a connection that just timed out),
// so that work's objects would be reported as leaked although nothing leaks while the program
// runs. Only allocations made inside the client library are excused.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libcpprest.so\n";
}
