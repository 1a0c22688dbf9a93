#pragma once

// The club server without a window, for a club that sets up many benches and for scheduled jobs:
//   sidelines --club-server "host=club.example port=5432 dbname=season user=bench_hall sslrootcert=ca.crt"
// keeps the server's settings (never a password), and
//   sidelines --send-club
// sends every match waiting for the server, one line per match, and ends with status 0 when all
// went, 1 (with the reason) otherwise.

#include <optional>

class QCommandLineParser;

namespace ClubBatch {

void AddOptions(QCommandLineParser& parser);

// The exit status of the batch command given, or none when the arguments name none.
std::optional<int> Run(const QCommandLineParser& parser);

} // namespace ClubBatch
