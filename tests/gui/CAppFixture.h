#pragma once

#include "CScriptedUserInterface.h"
#include "CTempFolder.h"
#include "core/commands/CAddPersonalCommand.h"
#include "gui/app/CActionRouter.h"
#include "gui/app/CAddressBookApp.h"
#include "gui/app/CMainFrame.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

// A running program in a folder of its own: settings file, lock file, readme, data files.
class CAppFixture : public ::testing::Test {
protected:
    ~CAppFixture() override { Stop(); }

    CAppPaths Paths() const {
        return {m_folder / "tarnvale.ini",
                QString::fromStdString((m_folder / "tarnvale.lock").string()), m_folder.Path()};
    }

    CAddressBookApp& Start(const std::optional<std::string>& commandLineFile = std::nullopt) {
        Stop();
        m_app = std::make_unique<CAddressBookApp>(m_ui, Paths());
        EXPECT_TRUE(m_app->InitInstance(commandLineFile));
        return *m_app;
    }

    // Closes the window as the person would, then ends the program.
    void Stop() {
        if (!m_app)
            return;
        if (Frame() && Frame()->isVisible())
            Frame()->close();
        m_app->ExitInstance();
        m_app.reset();
    }

    CMainFrame* Frame() const { return m_app ? m_app->GetMainFrame() : nullptr; }
    CActionRouter& Actions() const { return Frame()->GetActions(); }
    QAction* Action(int id) const { return Actions().GetAction(id); }

    // A top-level menu with its update rules run, as just before it opens.
    QMenu* OpenMenu(int index) const {
        QMenu* menu = Frame()->menuBar()->actions().at(index)->menu();
        emit menu->aboutToShow();
        return menu;
    }

    CPersonalData* AddPerson(const std::string& name) {
        CAddressDoc& doc = m_app->GetDocument();
        CPersonalData* person = doc.NewPerson();
        person->SetText(EPersonText::Name, name);
        doc.ExecuteCommand(std::make_unique<CAddPersonalCommand>(person));
        return person;
    }

    std::string File(const std::string& name) const { return (m_folder / name).string(); }

    CTempFolder m_folder;
    CScriptedUserInterface m_ui;
    std::unique_ptr<CAddressBookApp> m_app;
};
