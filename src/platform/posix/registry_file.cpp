// Keeping the registry in a text file between runs of the command-line host.
//
// The file lists the keys that are not volatile, one line each, with its
// values on the lines after it:
//   key<TAB>HKEY_CURRENT_USER\Software\KVPlugins\KVDunvaro104
//   value<TAB><type in decimal><TAB><data in hexadecimal><TAB><value name>
// A key that holds no values but has a key below it that is listed is implied
// by that key's path and has no line of its own (so a deep tree takes a line
// per branch, not one per level); a root key appears only when it holds values.
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/posix/registry_store.h"
#include "platform/posix/testing.h"

using standin::detail::RegKey;

namespace {

std::string hex_of(const std::vector<BYTE>& data) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (BYTE b : data) {
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

bool bytes_of(const std::string& hex, std::vector<BYTE>* out) {
  if (hex.size() % 2 != 0) return false;
  out->clear();
  for (size_t i = 0; i < hex.size(); i += 2) {
    if (!std::isxdigit(static_cast<unsigned char>(hex[i])) ||
        !std::isxdigit(static_cast<unsigned char>(hex[i + 1])))
      return false;
    out->push_back(BYTE(std::stoul(hex.substr(i, 2), nullptr, 16)));
  }
  return true;
}

// `path` is the key's own path; it is extended for each subkey and given back
// as it was, so that deep trees are written without copying every prefix.
bool has_kept_subkey(const RegKey& key) {
  for (const auto& entry : key.subkeys)
    if (!entry.second.is_volatile) return true;
  return false;
}

bool write_key(std::ostream& out, const RegKey& key, std::string& path, bool root) {
  if (key.is_volatile) return true;
  if (!key.values.empty() || (!root && !has_kept_subkey(key))) {
    out << "key\t" << path << '\n';
    for (const auto& entry : key.values) {
      const auto& v = entry.second;
      if (v.name.find_first_of("\r\n") != std::string::npos) return false;
      out << "value\t" << v.type << '\t' << hex_of(v.data) << '\t' << v.name << '\n';
    }
  }
  const size_t length = path.size();
  for (const auto& entry : key.subkeys) {
    path.append(1, '\\').append(entry.second.name);
    const bool written = write_key(out, entry.second, path, false);
    path.resize(length);
    if (!written) return false;
  }
  return true;
}

RegKey* key_for_line(const std::string& path) {
  std::vector<std::string> names;
  if (!standin::detail::split_path(path.c_str(), &names) || names.empty()) return nullptr;
  for (const auto& root : standin::detail::kRegRoots) {
    if (names.front() != root.name) continue;
    names.erase(names.begin());
    bool created = false;
    return standin::detail::make_key(root.handle, names, false, &created);
  }
  return nullptr;
}

bool read_value(const std::string& rest, RegKey* key) {
  std::istringstream fields(rest);
  std::string type, hex, name;
  if (key == nullptr || !std::getline(fields, type, '\t') || !std::getline(fields, hex, '\t'))
    return false;
  std::getline(fields, name);
  // A name with a carriage return could not be saved again (write_key refuses it).
  if (name.find('\r') != std::string::npos) return false;
  standin::detail::RegValue value;
  value.name = name;
  char* end = nullptr;
  value.type = DWORD(std::strtoul(type.c_str(), &end, 10));
  if (type.empty() || *end != '\0' || !bytes_of(hex, &value.data)) return false;
  key->values[standin::detail::upper_name(name)] = value;
  return true;
}

bool read_lines(std::istream& in) {
  RegKey* current = nullptr;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    size_t tab = line.find('\t');
    if (tab == std::string::npos) return false;
    std::string kind = line.substr(0, tab), rest = line.substr(tab + 1);
    if (kind == "key") {
      if ((current = key_for_line(rest)) == nullptr) return false;
    } else if (kind != "value" || !read_value(rest, current)) {
      return false;
    }
  }
  return true;
}

}  // namespace

namespace standin {

bool save_registry_text(std::string* text) {
  std::ostringstream out;
  for (const auto& root : detail::kRegRoots) {
    std::string path = root.name;
    if (!write_key(out, detail::registry().roots[root.handle], path, true)) return false;
  }
  *text = out.str();
  return true;
}

bool load_registry_text(const std::string& text) {
  std::istringstream in(text);
  auto kept = detail::registry().roots;
  for (const auto& root : detail::kRegRoots) {
    detail::registry().roots[root.handle] = RegKey{};
    detail::registry().roots[root.handle].name = root.name;
  }
  if (read_lines(in)) return true;
  detail::registry().roots = kept;
  return false;
}

bool save_registry(const char* path) {
  std::string text;
  if (!save_registry_text(&text)) return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return bool(out.flush());
}

bool load_registry(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream text;
  text << in.rdbuf();
  return load_registry_text(text.str());
}

}  // namespace standin
