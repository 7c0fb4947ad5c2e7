#pragma once

#include <QByteArray>
#include <optional>

// A roster file is encrypted page by page with SQLCipher's default settings: pages of 1024
// bytes, a key derived from the roster password and the salt that opens the file, and each page
// closed by its initialisation vector and its authentication code.
namespace RosterCipher {

inline constexpr int PageSize = 1024;

// Every roster file is keyed with this password; its derivation is part of the file format.
QByteArray Password();

// The engine's raw key ("x'…'") of the file that begins with this page, derived once from the
// password and the page's salt. Empty unless the page is the first page of a roster file: its
// authentication code proves the password, and its header declares the page size, the
// journal and the reserved space the engine works with here (the engine itself would read and
// write past its buffers on a page size smaller than its own).
std::optional<QByteArray> RawKeyFor(const QByteArray& firstPage);

} // namespace RosterCipher
