#include "answer_signing.h"

#include <fcntl.h>
#include <openssl/bio.h>
#include <openssl/core_names.h>
#include <openssl/ec.h>
#include <openssl/pem.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "definitions/line_code.h"

namespace defserver {

namespace {

constexpr std::size_t kCoordinateSize = 32;

struct BioFree {
    void operator()(BIO* bio) const noexcept { BIO_free(bio); }
};
struct MdContextFree {
    void operator()(EVP_MD_CTX* context) const noexcept { EVP_MD_CTX_free(context); }
};
struct EcdsaSigFree {
    void operator()(ECDSA_SIG* signature) const noexcept { ECDSA_SIG_free(signature); }
};

std::string Hex(const unsigned char* bytes, std::size_t size) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * size);
    for (std::size_t i = 0; i < size; ++i) {
        text.push_back(kDigits[bytes[i] >> 4]);
        text.push_back(kDigits[bytes[i] & 0xF]);
    }
    return text;
}

bool IsP256(EVP_PKEY* key) {
    char group[64] = "";
    std::size_t length = 0;
    return EVP_PKEY_is_a(key, "EC") &&
           EVP_PKEY_get_utf8_string_param(key, OSSL_PKEY_PARAM_GROUP_NAME, group, sizeof group,
                                          &length) == 1 &&
           std::string_view(group) == "prime256v1";
}

// X then Y, without the prefix byte of the uncompressed point.
std::string PublicHex(EVP_PKEY* key) {
    std::array<unsigned char, 1 + 2 * kCoordinateSize> point{};
    std::size_t length = 0;
    if (EVP_PKEY_get_octet_string_param(key, OSSL_PKEY_PARAM_ENCODED_PUBLIC_KEY, point.data(),
                                        point.size(), &length) != 1 ||
        length != point.size() || point[0] != 0x04) {
        return {};
    }
    return Hex(point.data() + 1, point.size() - 1);
}

enum class Creation { Made, AlreadyThere, Failed };

// Which file this run made: a path alone could by then name another run's.
struct MadeFile {
    dev_t device = 0;
    ino_t inode = 0;
};

// Removes the file only while it is still the one this run made.
void RemoveMade(const std::filesystem::path& path, const MadeFile& made) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0 && status.st_dev == made.device &&
        status.st_ino == made.inode) {
        unlink(path.c_str());
    }
}

// Made only when it is not there yet, with `mode`. A file that this call
// made but could not fill is removed again; one that was there (another
// keygen's, perhaps at this very moment) is never touched.
Creation WriteNewFile(const std::filesystem::path& path, std::string_view content, mode_t mode,
                      MadeFile& made) {
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (file < 0) {
        return errno == EEXIST ? Creation::AlreadyThere : Creation::Failed;
    }
    struct stat status {};
    bool written = fstat(file, &status) == 0;
    made = MadeFile{status.st_dev, status.st_ino};
    while (written && !content.empty()) {
        const ssize_t put = write(file, content.data(), content.size());
        written = put > 0;
        if (written) {
            content.remove_prefix(static_cast<std::size_t>(put));
        }
    }
    written = fsync(file) == 0 && written;
    written = close(file) == 0 && written;
    if (!written) {
        RemoveMade(path, made);
        return Creation::Failed;
    }
    return Creation::Made;
}

}  // namespace

Checked<SigningKey> SigningKey::Load(const std::string& path) {
    using Result = Checked<SigningKey>;
    const std::unique_ptr<BIO, BioFree> file(BIO_new_file(path.c_str(), "r"));
    if (!file) {
        return Result::Failure("cannot read the signing key " + path);
    }
    UniqueEvpKey key(PEM_read_bio_PrivateKey(file.get(), nullptr, nullptr, nullptr));
    if (!key) {
        return Result::Failure(path + " holds no private key in PEM form");
    }
    if (!IsP256(key.get())) {
        return Result::Failure(path + " is not an ECDSA P-256 key (defpublish keygen makes one)");
    }
    std::string publicHex = PublicHex(key.get());
    if (publicHex.empty()) {
        return Result::Failure(path + ": its public key cannot be read");
    }
    return SigningKey(std::move(key), std::move(publicHex));
}

std::string SigningKey::Sign(std::string_view message) const {
    const std::unique_ptr<EVP_MD_CTX, MdContextFree> context(EVP_MD_CTX_new());
    std::size_t derSize = 0;
    if (!context ||
        EVP_DigestSignInit(context.get(), nullptr, EVP_sha256(), nullptr, m_key.get()) != 1 ||
        EVP_DigestSign(context.get(), nullptr, &derSize,
                       reinterpret_cast<const unsigned char*>(message.data()),
                       message.size()) != 1) {
        return {};
    }
    std::string der(derSize, '\0');
    auto* derBytes = reinterpret_cast<unsigned char*>(der.data());
    if (EVP_DigestSign(context.get(), derBytes, &derSize,
                       reinterpret_cast<const unsigned char*>(message.data()),
                       message.size()) != 1) {
        return {};
    }
    const unsigned char* reading = derBytes;
    const std::unique_ptr<ECDSA_SIG, EcdsaSigFree> signature(
        d2i_ECDSA_SIG(nullptr, &reading, static_cast<long>(derSize)));
    if (!signature) {
        return {};
    }
    std::array<unsigned char, 2 * kCoordinateSize> raw{};
    if (BN_bn2binpad(ECDSA_SIG_get0_r(signature.get()), raw.data(), kCoordinateSize) !=
            static_cast<int>(kCoordinateSize) ||
        BN_bn2binpad(ECDSA_SIG_get0_s(signature.get()), raw.data() + kCoordinateSize,
                     kCoordinateSize) != static_cast<int>(kCoordinateSize)) {
        return {};
    }
    return Hex(raw.data(), raw.size());
}

Checked<std::string> GenerateKeyPair(const std::string& folder) {
    using Result = Checked<std::string>;
    const std::filesystem::path where(folder);
    const std::filesystem::path privatePath = where / kPrivateKeyFile;
    const std::filesystem::path publicPath = where / kPublicKeyFile;
    const std::string alreadyThere =
        "a key pair is already in " + folder +
        "; programs built with it would not trust a new one (remove it first if that is what "
        "you want)";
    std::error_code error;
    // Asked first so that no key is made in vain; what settles two runs at
    // once is that each file is made only where none is.
    if (std::filesystem::exists(privatePath, error) || std::filesystem::exists(publicPath, error)) {
        return Result::Failure(alreadyThere);
    }
    std::filesystem::create_directories(where, error);
    const UniqueEvpKey key(EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", "P-256"));
    const std::unique_ptr<BIO, BioFree> pem(BIO_new(BIO_s_mem()));
    if (!key || !pem ||
        PEM_write_bio_PrivateKey(pem.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) !=
            1) {
        return Result::Failure("the key pair could not be made");
    }
    const std::string publicHex = PublicHex(key.get());
    char* pemData = nullptr;
    const long pemSize = BIO_get_mem_data(pem.get(), &pemData);
    if (publicHex.empty() || pemSize <= 0) {
        return Result::Failure("the key pair could not be made");
    }
    MadeFile madePrivate;
    switch (WriteNewFile(privatePath, std::string_view(pemData, static_cast<std::size_t>(pemSize)),
                         0600, madePrivate)) {
        case Creation::Made:
            break;
        case Creation::AlreadyThere:
            return Result::Failure(alreadyThere);
        case Creation::Failed:
            return Result::Failure("cannot write " + privatePath.string());
    }
    MadeFile madePublic;
    const Creation publicWritten = WriteNewFile(publicPath, publicHex + "\n", 0644, madePublic);
    if (publicWritten != Creation::Made) {
        // A private key without its public half is of no use; this run
        // made it, so it goes.
        RemoveMade(privatePath, madePrivate);
        return Result::Failure(publicWritten == Creation::AlreadyThere
                                   ? alreadyThere
                                   : "cannot write " + publicPath.string());
    }
    return publicHex;
}

std::string ChangesMessage(UnixSeconds clientDate, UnixSeconds newest, std::string_view body) {
    std::string message =
        "KW-DEFS-1\n" + DateAnswerText(clientDate) + "\n" + DateAnswerText(newest) + "\n";
    message += body;
    return message;
}

std::string SignatureRecord(UnixSeconds newest, std::string_view signature) {
    return definitions::EncodeDefinitionLine("SIG") + "|SIG[DEF]1|" + DateAnswerText(newest) + "|" +
           std::string(signature);
}

std::string LanguageMessage(std::string_view path, std::string_view file) {
    std::string message = "KW-LANG-1\n";
    for (const char c : path) {
        message.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    message += "\n";
    message += file;
    return message;
}

}  // namespace defserver
