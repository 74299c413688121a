// SHA-256 through OpenSSL's libcrypto, as lower-case hexadecimal.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace circscan {

class Sha256 {
 public:
  Sha256();
  ~Sha256();
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;

  void Add(std::string_view bytes);
  // The digest of everything added so far; more may be added afterwards.
  std::string Hex() const;

 private:
  struct Context;
  std::unique_ptr<Context> context_;
};

std::string Sha256Hex(std::string_view bytes);

}  // namespace circscan
