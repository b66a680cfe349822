#pragma once

#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"
#include "ui/ChildWindow.hpp"
#include "ui/Group.hpp"
#include "ui/HorizontalLayout.hpp"
#include "ui/ListBox.hpp"
#include "ui/Tabs.hpp"

namespace tarsk {

class Mission;
class PlayerScreenServices;

// The quest journal: active and completed missions on two tabs, and the details of the mission
// picked in the list. It only reads the missions, and reads them again on every tab selection.
class ActivePlayerQuestLogGameState : public orv::GameState {
public:
    static constexpr int activeTab = 0;
    static constexpr int completedTab = 1;

    explicit ActivePlayerQuestLogGameState(PlayerScreenServices& services);
    ~ActivePlayerQuestLogGameState() override;

    void refreshList();
    // Null empties the details column.
    void showMissionDetails(const Mission* mission);

    const ui::ChildWindow::Ptr& getWindow() const { return window; }
    const ui::Tabs::Ptr& getTabs() const { return tabs; }
    const ui::ListBox::Ptr& getMissionList() const { return missionList; }
    const ui::Group::Ptr& getDetails() const { return details; }

protected:
    void onInit() override;
    void onUpdate() override {}
    void onDestroy() override;

private:
    void missionSelected(const std::string& id);

    PlayerScreenServices& services;
    ui::ChildWindow::Ptr window;
    ui::HorizontalLayout::Ptr layout;
    ui::Tabs::Ptr tabs;
    ui::Group::Ptr leftColumn;
    ui::ListBox::Ptr missionList;
    ui::Group::Ptr details;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
