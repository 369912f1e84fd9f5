// The demo's log of what the library sends its host: every message 1035,
// 1225 to 1229, 1325 and 1335, decoded with its record, one line each, to
// standard output and to a log file. The friend question (1229 code 4) comes
// with every row the player list paints, so it is counted, not listed.
#ifndef LOBBYUI_HOST_MESSAGE_LOG_H
#define LOBBYUI_HOST_MESSAGE_LOG_H

#include <windows.h>
#include <stdio.h>

#include <string>
#include <vector>

struct LoggedMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    std::string text;                   // the decoded line, UTF-8
    std::vector<unsigned char> record;  // a copy of the record lParam pointed to, when it carries one
};

class MessageLog {
public:
    MessageLog() = default;
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    bool OpenFile(const std::string& path);
    // Also prints each line as it arrives (interactive mode).
    void SetEcho(bool echo) { m_echo = echo; }

    // True for the messages the library sends a host.
    static bool IsLibraryMessage(UINT msg);
    // Decodes and records one message; the record at lParam is read now,
    // while the send lasts.
    void Record(UINT msg, WPARAM wParam, LPARAM lParam);
    void CountFriendQuestion() { ++m_friendQuestions; }

    const std::vector<LoggedMessage>& messages() const { return m_messages; }
    size_t friendQuestions() const { return m_friendQuestions; }
    // Writes a line that is not a message (a tour step, the summary).
    void Note(const std::string& line);

    static std::string Decode(UINT msg, WPARAM wParam, LPARAM lParam);
    // The bytes of the record a message carries (a text with its terminator),
    // empty for messages with a plain value or none.
    static std::vector<unsigned char> CopyRecord(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    void Emit(const std::string& line, bool toConsole);
    std::vector<LoggedMessage> m_messages;
    size_t m_friendQuestions = 0;
    FILE* m_file = nullptr;
    bool m_echo = true;
};

#endif
