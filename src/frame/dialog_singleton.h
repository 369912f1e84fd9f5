// The facade convention, written once. Each exported dialog facade keeps one
// DialogSingleton<Dialog>: Create makes the dialog once (a second call neither
// recreates nor re-parents it), calls that need the dialog do nothing while it
// is absent, getters then answer their default, and Destroy is idempotent.
// A Create whose window could not be made keeps nothing, so that the host's
// next Create (with a parent that works) makes the dialog after all.
// Portable: Dialog only needs a Create(Parent*) answering whether its window
// was made, DestroyWindow(), and Retire() for a destroy that has to wait
// (win/system_code.h): one asked for inside a control's own procedure, or
// while the dialog's window is being made.
#ifndef LOBBYUI_FRAME_DIALOG_SINGLETON_H
#define LOBBYUI_FRAME_DIALOG_SINGLETON_H

#include <utility>

#include "win/system_code.h"

template <class Dialog>
class DialogSingleton {
public:
    DialogSingleton() = default;
    DialogSingleton(const DialogSingleton&) = delete;
    DialogSingleton& operator=(const DialogSingleton&) = delete;
    // Dialogs the host did not destroy are left alone at unload: their
    // windows may already be gone with the host's, and the process is ending.
    ~DialogSingleton() = default;

    template <class Parent, class... Args>
    void Create(Parent* parent, Args&&... args) {
        if (m_dialog) return;
        Dialog* dialog = new Dialog(std::forward<Args>(args)...);
        // Stored before the window is made: initialisation may already call
        // back into the facade.
        m_dialog = dialog;
        bool made = false;
        {
            // The making is the system's code too: a child dialog's creation
            // tells the host (WM_PARENTNOTIFY) before the dialog has
            // initialised, and a Destroy from there must not free the object
            // the creation goes on to initialise. It waits until the window
            // is made.
            SystemCodeScope making;
            made = dialog->Create(parent);
        }
        if (m_dialog == dialog && !made) {
            m_dialog = nullptr;
            DestroyOutsideSystemCode([dialog] {
                dialog->DestroyWindow();
                delete dialog;
            });
        }
        // A Destroy asked for during the making goes now.
        RunWaitingDestroys();
    }

    void Destroy() {
        if (!m_dialog) return;
        Dialog* dialog = m_dialog;
        // Cleared first: destroying the window may call back into the facade,
        // and a Create from there makes a new dialog.
        m_dialog = nullptr;
        // Asked from inside a control's own procedure, the window has to
        // outlive that procedure: the dialog ends and hides now, and goes
        // when the procedure has returned.
        if (InsideSystemCode()) dialog->Retire();
        DestroyOutsideSystemCode([dialog] {
            dialog->DestroyWindow();
            delete dialog;
        });
    }

    Dialog* Get() const { return m_dialog; }
    bool Exists() const { return m_dialog != nullptr; }

    // Runs action on the dialog when it exists.
    template <class Action>
    void With(Action&& action) const {
        if (m_dialog) action(*m_dialog);
    }

    // The answer of query on the dialog, or absent when there is none.
    template <class Result, class Query>
    Result Ask(Query&& query, Result absent = Result()) const {
        return m_dialog ? static_cast<Result>(query(*m_dialog)) : absent;
    }

private:
    Dialog* m_dialog = nullptr;
};

#endif
