#include "store/RosterCipher.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <array>
#include <memory>
#include <span>

namespace RosterCipher {

namespace {

constexpr int SaltSize = 16;
constexpr int KeySize = 32;
constexpr int KeyIterations = 64000;
constexpr int IvSize = 16;
constexpr int MacSize = 20;
// The initialisation vector and the authentication code, rounded up to whole cipher blocks.
constexpr int ReservedSize = 48;
// The authentication key is derived from the page key with the salt masked by this byte.
constexpr unsigned char MacSaltMask = 0x3a;
constexpr int MacKeyIterations = 2;
// Where the page's own data ends: after it come the vector, then the code.
constexpr int DataEnd = PageSize - ReservedSize;
// The database header fields the engine reads first, in the decrypted first page: the page
// size (big-endian) at byte 16, the write and read versions at 18 and 19 (1: a rollback
// journal, as the program keeps; 2 would switch to a write-ahead log the program never copies),
// and the reserved space at byte 20.
constexpr int PageSizeField = 16;
constexpr int WriteVersionField = 18;
constexpr int ReadVersionField = 19;
constexpr int ReservedSizeField = 20;

using Bytes = std::span<const unsigned char>;

Bytes View(const QByteArray& bytes, int from, int size)
{
    return {reinterpret_cast<const unsigned char*>(bytes.constData()) + from,
            static_cast<size_t>(size)};
}

std::array<unsigned char, KeySize> DeriveKey(Bytes secret, Bytes salt, int iterations)
{
    std::array<unsigned char, KeySize> key{};
    PKCS5_PBKDF2_HMAC(reinterpret_cast<const char*>(secret.data()), static_cast<int>(secret.size()),
                      salt.data(), static_cast<int>(salt.size()), iterations, EVP_sha1(), KeySize,
                      key.data());
    return key;
}

bool HasValidMac(const QByteArray& page, const std::array<unsigned char, KeySize>& key)
{
    std::array<unsigned char, SaltSize> macSalt{};
    for (int i = 0; i < SaltSize; ++i)
        macSalt[i] = static_cast<unsigned char>(page[i]) ^ MacSaltMask;
    const auto macKey =
        DeriveKey({key.data(), key.size()}, {macSalt.data(), macSalt.size()}, MacKeyIterations);
    // The code covers the encrypted data and the vector, then the page number (1) in
    // little-endian order.
    QByteArray covered = page.mid(SaltSize, DataEnd + IvSize - SaltSize);
    covered.append("\x01\x00\x00\x00", 4);
    std::array<unsigned char, EVP_MAX_MD_SIZE> mac{};
    unsigned int macLength = 0;
    HMAC(EVP_sha1(), macKey.data(), KeySize, reinterpret_cast<const unsigned char*>(covered.data()),
         static_cast<size_t>(covered.size()), mac.data(), &macLength);
    return macLength >= MacSize &&
           CRYPTO_memcmp(mac.data(), page.constData() + DataEnd + IvSize, MacSize) == 0;
}

// The first page's data from byte 16 on, decrypted.
std::optional<QByteArray> DecryptedHeader(const QByteArray& page,
                                          const std::array<unsigned char, KeySize>& key)
{
    const std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> context(
        EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    const Bytes encrypted = View(page, SaltSize, DataEnd - SaltSize);
    QByteArray plain(static_cast<qsizetype>(encrypted.size()), '\0');
    int length = 0;
    if (!context ||
        EVP_DecryptInit_ex(context.get(), EVP_aes_256_cbc(), nullptr, key.data(),
                           View(page, DataEnd, IvSize).data()) != 1 ||
        EVP_CIPHER_CTX_set_padding(context.get(), 0) != 1 ||
        EVP_DecryptUpdate(context.get(), reinterpret_cast<unsigned char*>(plain.data()), &length,
                          encrypted.data(), static_cast<int>(encrypted.size())) != 1 ||
        length != plain.size())
        return std::nullopt;
    return plain;
}

QByteArray RawKeyText(const std::array<unsigned char, KeySize>& key)
{
    const QByteArray hex =
        QByteArray(reinterpret_cast<const char*>(key.data()), KeySize).toHex().toUpper();
    return "x'" + hex + "'";
}

} // namespace

QByteArray Password()
{
    return QByteArrayLiteral("790415 Korbu");
}

std::optional<QByteArray> RawKeyFor(const QByteArray& firstPage)
{
    if (firstPage.size() != PageSize)
        return std::nullopt;
    const QByteArray password = Password();
    const auto key = DeriveKey(View(password, 0, static_cast<int>(password.size())),
                               View(firstPage, 0, SaltSize), KeyIterations);
    if (!HasValidMac(firstPage, key))
        return std::nullopt;
    const std::optional<QByteArray> header = DecryptedHeader(firstPage, key);
    if (!header)
        return std::nullopt;
    const auto field = [&](int offset) {
        return static_cast<unsigned char>(header->at(offset - SaltSize));
    };
    const int declaredPageSize = field(PageSizeField) << 8 | field(PageSizeField + 1);
    if (declaredPageSize != PageSize || field(WriteVersionField) != 1 ||
        field(ReadVersionField) != 1 || field(ReservedSizeField) != ReservedSize)
        return std::nullopt;
    return RawKeyText(key);
}

} // namespace RosterCipher
