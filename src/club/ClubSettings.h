#pragma once

// Where the club server is and who this bench is. The settings (group "Club") hold the server's
// address, the login role and the CA certificate file; the password lives only in the system's key
// store, or, where none can be reached, in memory until the program ends.

#include <QString>
#include <optional>

// One club server as the user set it.
struct ClubServer
{
    QString host;     // a name, an address or a socket folder; empty: the local socket folder
    int port = 5432;
    QString database;
    QString user;
    QString caFile;   // the CA certificate that the server's certificate must be signed by

    // A club server is set up once it names a database and a user.
    bool isSet() const { return !database.isEmpty() && !user.isEmpty(); }
    // Reached through a local socket or on this computer by name ("localhost"): no certificate is
    // needed. Every other host must prove itself with a certificate the CA file vouches for.
    bool isLocal() const;
    // "user@host:port/database", for messages and as the password's name in the key store.
    QString describe() const;
    // "host:port/database": which server, whoever logs in.
    QString place() const;

    friend bool operator==(const ClubServer&, const ClubServer&) = default;
};

namespace ClubSettings {

ClubServer Server();
void SaveServer(const ClubServer& server);

// Why these settings cannot be used (a missing part, a port out of range, a distant host without a
// CA certificate, a CA file that cannot be read), or empty when they can. An empty server (no
// database, no user) is fine: it means no club server.
QString Problem(const ClubServer& server);

// Reads libpq's key=value form ("host=club.example port=5432 dbname=season user=bench_hall
// sslrootcert=/etc/club/ca.crt"), values optionally in single quotes with \' and \\. Keys other
// than these five are refused, a password above all: it never goes on a command line.
std::optional<ClubServer> FromConnectionString(const QString& text, QString* error);

// This installation's bench: an identifier (a UUID) made once and kept, and a name that the club's
// lists show (the computer's name until the user gives another).
QString BenchId();
QString BenchName();
void SetBenchName(const QString& name);

// The password for this run of the program: the key store's, read once, or the one typed.
std::optional<QString> SessionPassword();
void SetSessionPassword(const std::optional<QString>& password);

} // namespace ClubSettings

// The system's key store (through QtKeychain). Each call waits for the store's answer, at most
// timeoutMs; the user's password never goes anywhere else, so an unreachable store is said, never
// worked around with a file.
namespace KeyStore {

struct Answer
{
    bool reachable = false; // false: no key store answered (no session, no service, no time)
    std::optional<QString> password; // a read that found one
    QString error; // why, when the store could not do it
};

Answer ReadPassword(const QString& name, int timeoutMs = 5000);
Answer WritePassword(const QString& name, const QString& password, int timeoutMs = 5000);

} // namespace KeyStore
