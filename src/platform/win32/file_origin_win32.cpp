#include "platform/win32/file_origin_win32.h"

#include <windows.h>

#include <wincrypt.h>

#include <mscat.h>
#include <softpub.h>
#include <wintrust.h>

#include <optional>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/program_file_win32.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

// One verification's state, released by WinVerifyTrust's own close action.
class TrustCheck {
public:
    TrustCheck() {
        m_data.cbStruct = sizeof m_data;
        m_data.dwUIChoice = WTD_UI_NONE;
        m_data.fdwRevocationChecks = WTD_REVOKE_NONE;
        m_data.dwStateAction = WTD_STATEACTION_VERIFY;
        // The signature's own certificates only: nothing is fetched.
        m_data.dwProvFlags = WTD_CACHE_ONLY_URL_RETRIEVAL;
    }
    ~TrustCheck() {
        if (m_verified) {
            m_data.dwStateAction = WTD_STATEACTION_CLOSE;
            GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
            ::WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &m_data);
        }
    }
    TrustCheck(const TrustCheck&) = delete;
    TrustCheck& operator=(const TrustCheck&) = delete;

    LONG Verify() {
        GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
        m_verified = true;
        return ::WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &m_data);
    }

    // The signer certificate's name, read from the verification's state.
    std::string Signer() const {
        CRYPT_PROVIDER_DATA* provider = ::WTHelperProvDataFromStateData(m_data.hWVTStateData);
        if (provider == nullptr) {
            return {};
        }
        CRYPT_PROVIDER_SGNR* signer = ::WTHelperGetProvSignerFromChain(provider, 0, FALSE, 0);
        if (signer == nullptr) {
            return {};
        }
        CRYPT_PROVIDER_CERT* certificate = ::WTHelperGetProvCertFromChain(signer, 0);
        if (certificate == nullptr || certificate->pCert == nullptr) {
            return {};
        }
        const DWORD size = ::CertGetNameStringA(certificate->pCert, CERT_NAME_SIMPLE_DISPLAY_TYPE,
                                                0, nullptr, nullptr, 0);
        if (size <= 1) {
            return {};
        }
        std::string name(size, '\0');
        ::CertGetNameStringA(certificate->pCert, CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr,
                             name.data(), size);
        name.resize(size - 1);
        return name;
    }

    WINTRUST_DATA m_data{};

private:
    bool m_verified = false;
};

FileSignature Judged(LONG status, const TrustCheck& check) {
    switch (status) {
        case ERROR_SUCCESS:
            return {SignatureStatus::Valid, check.Signer()};
        case TRUST_E_NOSIGNATURE:
        case TRUST_E_SUBJECT_FORM_UNKNOWN:
        case TRUST_E_PROVIDER_UNKNOWN:
            return {SignatureStatus::NotSigned, {}};
        default:
            // A file that cannot be opened is no signed file either.
            if (HRESULT_CODE(status) == ERROR_FILE_NOT_FOUND ||
                HRESULT_CODE(status) == ERROR_PATH_NOT_FOUND ||
                HRESULT_CODE(status) == ERROR_ACCESS_DENIED) {
                return {SignatureStatus::NotSigned, {}};
            }
            return {SignatureStatus::NotValid, check.Signer()};
    }
}

// The catalogue administrator's context and a catalogue it found.
class CatalogAdmin {
public:
    CatalogAdmin() {
        if (!::CryptCATAdminAcquireContext(&m_admin, nullptr, 0)) {
            m_admin = nullptr;
        }
    }
    ~CatalogAdmin() {
        if (m_catalog != nullptr) {
            ::CryptCATAdminReleaseCatalogContext(m_admin, m_catalog, 0);
        }
        if (m_admin != nullptr) {
            ::CryptCATAdminReleaseContext(m_admin, 0);
        }
    }
    CatalogAdmin(const CatalogAdmin&) = delete;
    CatalogAdmin& operator=(const CatalogAdmin&) = delete;

    // The catalogue file that lists the file's hash, or "" when none does.
    std::wstring CatalogOf(HANDLE file, std::vector<BYTE>& hash) {
        if (m_admin == nullptr) {
            return {};
        }
        DWORD size = 0;
        ::CryptCATAdminCalcHashFromFileHandle(file, &size, nullptr, 0);
        if (size == 0) {
            return {};
        }
        hash.resize(size);
        if (!::CryptCATAdminCalcHashFromFileHandle(file, &size, hash.data(), 0)) {
            return {};
        }
        m_catalog = ::CryptCATAdminEnumCatalogFromHash(m_admin, hash.data(), size, 0, nullptr);
        if (m_catalog == nullptr) {
            return {};
        }
        CATALOG_INFO info{};
        info.cbStruct = sizeof info;
        if (!::CryptCATCatalogInfoFromContext(m_catalog, &info, 0)) {
            return {};
        }
        return info.wszCatalogFile;
    }

private:
    HCATADMIN m_admin = nullptr;
    HCATINFO m_catalog = nullptr;
};

// Windows' own files carry no signature of their own: the system catalogue
// lists their hashes, signed once.
std::optional<FileSignature> CatalogSignature(const std::wstring& path) {
    const UniqueFileHandle file{::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, 0, nullptr)};
    if (!file) {
        return std::nullopt;
    }
    CatalogAdmin admin;
    std::vector<BYTE> hash;
    const std::wstring catalog = admin.CatalogOf(file.Get(), hash);
    if (catalog.empty()) {
        return std::nullopt;
    }
    std::wstring member;
    for (const BYTE byte : hash) {
        constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
        member += kDigits[byte >> 4];
        member += kDigits[byte & 0x0F];
    }
    WINTRUST_CATALOG_INFO info{};
    info.cbStruct = sizeof info;
    info.pcwszCatalogFilePath = catalog.c_str();
    info.pcwszMemberFilePath = path.c_str();
    info.pcwszMemberTag = member.c_str();
    info.hMemberFile = file.Get();
    info.pbCalculatedFileHash = hash.data();
    info.cbCalculatedFileHash = static_cast<DWORD>(hash.size());
    TrustCheck check;
    check.m_data.dwUnionChoice = WTD_CHOICE_CATALOG;
    check.m_data.pCatalog = &info;
    return Judged(check.Verify(), check);
}

}  // namespace

FileSignature FileOriginWin32::CheckSignature(std::string_view path) {
    const std::wstring wide = WideFromProgramText(path);
    if (wide.empty()) {
        return {};
    }
    FileSignature embedded;
    {
        WINTRUST_FILE_INFO file{};
        file.cbStruct = sizeof file;
        file.pcwszFilePath = wide.c_str();
        TrustCheck check;
        check.m_data.dwUnionChoice = WTD_CHOICE_FILE;
        check.m_data.pFile = &file;
        embedded = Judged(check.Verify(), check);
    }
    if (embedded.status != SignatureStatus::NotSigned) {
        return embedded;
    }
    return CatalogSignature(wide).value_or(embedded);
}

std::string FileOriginWin32::CompanyName(std::string_view path) {
    return ProgramFileWin32(std::string(path)).ReadVersionResource().companyName;
}

}  // namespace platform::win32
