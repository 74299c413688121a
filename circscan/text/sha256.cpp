#include "sha256.h"

#include <openssl/evp.h>

#include <new>

namespace circscan {

struct Sha256::Context {
  EVP_MD_CTX* md = EVP_MD_CTX_new();
  ~Context() { EVP_MD_CTX_free(md); }
};

Sha256::Sha256() : context_(std::make_unique<Context>()) {
  if (context_->md == nullptr || EVP_DigestInit_ex(context_->md, EVP_sha256(), nullptr) != 1) {
    throw std::bad_alloc();
  }
}

Sha256::~Sha256() = default;

void Sha256::Add(std::string_view bytes) {
  EVP_DigestUpdate(context_->md, bytes.data(), bytes.size());
}

std::string Sha256::Hex() const {
  // Finishing a copy leaves this one open for more bytes.
  const Context copy;
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  if (copy.md == nullptr || EVP_MD_CTX_copy_ex(copy.md, context_->md) != 1 ||
      EVP_DigestFinal_ex(copy.md, digest, &size) != 1) {
    throw std::bad_alloc();
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned int i = 0; i < size; ++i) {
    hex += kDigits[digest[i] >> 4];
    hex += kDigits[digest[i] & 15];
  }
  return hex;
}

std::string Sha256Hex(std::string_view bytes) {
  Sha256 sha;
  sha.Add(bytes);
  return sha.Hex();
}

}  // namespace circscan
