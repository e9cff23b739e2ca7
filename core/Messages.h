#pragma once

// The program's own texts, exactly as the operator sees them.
namespace quendal::messages {

inline constexpr const char* kNotConnected =
    "Para enviar a hora (IP) conecte a outra estação primeiro...";
inline constexpr const char* kNotConnectedTitle = "Não conectado...";
inline constexpr const char* kTemperatureFileMissing = "O arquivo  temperatura.html  não Existe!";
inline constexpr const char* kTemperatureFileMissingShort = "O arquivo não Existe!";
inline constexpr const char* kTemperatureRange = "Valor deve estar entre 0 e 40";
inline constexpr const char* kNoOptionsFile = "Grave as semanas primeiro!";
inline constexpr const char* kQuitQuestion = "Tem certeza que quer sair?";

inline constexpr const char* kHostUnavailable =
    "Não foi possível acessar o EchoLink. O Quendal continua funcionando, mas não pode "
    "transmitir nem saber se a estação está recebendo.";
inline constexpr const char* kOptionsNotSaved =
    "Não foi possível gravar o arquivo quendal.txt. As opções gravadas antes foram mantidas.";
inline constexpr const char* kOptionsUnreadable = "Não foi possível ler o arquivo quendal.txt.";
// Followed by the line number and kOptionsBadLineTail.
inline constexpr const char* kOptionsBadLine = "O arquivo quendal.txt tem um erro na linha ";
inline constexpr const char* kOptionsBadLineTail =
    ". As opções das linhas anteriores foram aplicadas.";

}  // namespace quendal::messages
