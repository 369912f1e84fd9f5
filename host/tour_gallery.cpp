#include "tour_gallery.h"

#include <stdio.h>
#include <string.h>

namespace {

struct About {
    const char* prefix;  // a step whose name starts so (the longest match wins)
    const char* text;
};

const About kAbout[] = {
    {"lobby", "The room's tables as the library mirrors them, the message log and the party flags."},
    {"player-list", "Fills and shows the player list: the local player on top, the host asked about each row's friendship."},
    {"sort-menu", "Presses the list's sort button: the host's popup-menu window opens with the library's entries."},
    {"sorted-by-level", "Picks sorting by level in the popup menu."},
    {"player-menu", "Right-clicks a player: the player menu opens."},
    {"query-player-record", "Picks \"query record\": the host receives the query block."},
    {"invite-menu", "Right-clicks a player who sits at no table."},
    {"invitation-sent", "Picks \"invite\": the host receives the invitation block."},
    {"befriended", "Picks \"befriend\": the host adds the friend and the row turns green."},
    {"fresh-beans", "Hands the local player's new level and beans to the list."},
    {"player-sits-down", "A standing player takes a seat; the row shows the table."},
    {"player-leaves", "A player leaves: the row goes, then the record."},
    {"full-room", "750 players arrive in the list, drawn once; the log gives the time it took."},
    {"full-room-left", "The 750 players leave again; the list is as it was."},
    {"table-message", "Shows the join dialog's message for a table."},
    {"message-closed", "Closes the message."},
    {"join-full-table", "Opens the join dialog on a full table."},
    {"find-partner-panel", "Slides the find-partner panel out."},
    {"partner-search", "Searches with nothing chosen."},
    {"join-closed", "Closes the join dialog."},
    {"join-open-table", "Opens a table with free seats in a score lobby."},
    {"joined", "Presses join: the host receives the table number."},
    {"join-locked-table", "Opens a locked table."},
    {"password-dialog", "The password dialog opens in place of the join."},
    {"password-typed", "Types the password."},
    {"password-sent", "Confirms: the host receives the table and the password."},
    {"create-table", "Asks for a new table with the server's defaults (the classic dialog)."},
    {"create-table-filled", "Steps the score and a setting up, names the table, sets a password and two limits."},
    {"table-created", "Presses create: every byte of the request is compared with what was chosen."},
    {"create-table-again", "Asks again: the last name is offered."},
    {"create-cancelled", "Cancels: the host hears the dialog closed."},
    {"score-dialog", "The score dialog of the player queried in the list."},
    {"score-hat-tooltip", "Rests the pointer on the king hat: its tooltip comes up."},
    {"score-page-", "Walks the score dialog's pages with its arrows."},
    {"score-ring-player", "A ring holder's record."},
    {"score-closed", "Hides the score dialog."},
    {"base-data-panel", "The local player's base-data panel in the lobby."},
    {"base-data-refreshed", "A refresh with the status \"playing\"."},
    {"base-data-button-", "Presses one of the panel's four buttons."},
    {"system-settings", "The host writes its volumes and switches and opens the settings dialog."},
    {"settings-", "Presses the settings dialog's buttons: each press is reported, the host decides."},
    {"settings-closed", "Hides the settings dialog; the values stay."},
    {"web-page", "A web dialog over the table grid on the demo's notice page."},
    {"web-page-keys", "Enter and Escape leave the page open."},
    {"web-page-closed", "Destroys the web dialog."},
    {"room-buttons", "Four room-entrance buttons in the title band."},
    {"room-button-hover", "The pointer rests on a button."},
    {"room-button-pressed", "A button is pressed and released: the host hears which server."},
    {"room-buttons-removed", "The buttons are hidden and deleted."},
    {"new-create-table", "Opens the new create-table dialog on a free table."},
    {"new-create-choices", "Names the table and steps the score and settings."},
    {"new-create-sent", "Creates the table; the request and the saved choices are checked."},
    {"new-create-remembered", "Opens the dialog again: the last choices are back."},
    {"new-create-hidden-by-host", "The host locks and hides the dialog."},
    {"new-create-back", "The host brings it back."},
    {"new-create-sent-again", "Creates once more with the remembered choices."},
};

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c; break;
        }
    }
    return out;
}

}  // namespace

std::string AboutStep(const std::string& name) {
    const About* best = nullptr;
    for (const About& a : kAbout) {
        size_t n = strlen(a.prefix);
        bool whole = a.prefix[n - 1] != '-';
        bool matches = whole ? name == a.prefix : name.compare(0, n, a.prefix) == 0;
        if (matches && (!best || n > strlen(best->prefix))) best = &a;
    }
    return best ? best->text : std::string();
}

std::string GalleryHtml(const std::vector<GalleryEntry>& entries) {
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">\n<title>LobbyUi demo tour</title>\n"
        "<style>body{font-family:sans-serif;background:#f6ecd6;color:#5a3214;margin:2em}"
        "section{background:#fff8ea;border:1px solid #96542a;border-radius:8px;padding:1em;margin:1em 0}"
        "img{max-width:100%;border:1px solid #ccc}code{background:#f0e0c0}li.fail{color:#b00}</style>\n"
        "<script>var loaded=0,failed=0,total=" +
        std::to_string(entries.size()) +
        ";function mark(img,ok){img.setAttribute('data-loaded',ok?'yes':'no');if(ok)loaded++;else failed++;"
        "var line=document.getElementById('image-check');if(line)line.textContent='images: '+loaded+' loaded, '+failed+"
        "' failed of '+total;}</script>\n</head><body>\n<h1>LobbyUi demo tour</h1>\n<p>" +
        std::to_string(entries.size()) + " steps. Each shows the screen after the step and the messages the library sent "
                                         "its host during it.</p>\n";
    for (size_t i = 0; i < entries.size(); ++i) {
        const GalleryEntry& e = entries[i];
        page += "<section id=\"" + Escaped(e.name) + "\">\n<h2>" + std::to_string(i + 1) + ". <code>" + Escaped(e.name) +
                "</code></h2>\n";
        std::string about = AboutStep(e.name);
        if (!about.empty()) page += "<p>" + Escaped(about) + "</p>\n";
        page += "<img src=\"" + Escaped(e.file) + "\" alt=\"" + Escaped(e.name) +
                "\" onload=\"mark(this,true)\" onerror=\"mark(this,false)\">\n";
        if (!e.messages.empty() || !e.failures.empty()) {
            page += "<ul>\n";
            for (const std::string& m : e.messages) page += "<li>" + Escaped(m) + "</li>\n";
            for (const std::string& f : e.failures) page += "<li class=\"fail\">FAILED: " + Escaped(f) + "</li>\n";
            page += "</ul>\n";
        } else {
            page += "<p>No message.</p>\n";
        }
        page += "</section>\n";
    }
    page += "<p id=\"image-check\">images: not checked</p>\n</body></html>\n";
    return page;
}

bool WriteGallery(const std::string& directory, const std::vector<GalleryEntry>& entries) {
    std::string path = directory + "\\index.html";
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) return false;
    std::string page = GalleryHtml(entries);
    bool ok = fwrite(page.data(), 1, page.size(), file) == page.size();
    return fclose(file) == 0 && ok;
}
