#include "app/screens/ActivePlayerQuestLogGameState.hpp"

#include "app/screens/PlayerScreenServices.hpp"
#include "game/missions/Mission.hpp"
#include "game/missions/MissionManager.hpp"
#include "ui/Gui.hpp"
#include "ui/Label.hpp"
#include "ui/VerticalLayout.hpp"

#include <vector>

namespace tarsk {

ActivePlayerQuestLogGameState::ActivePlayerQuestLogGameState(PlayerScreenServices& services)
    : services(services) {}

ActivePlayerQuestLogGameState::~ActivePlayerQuestLogGameState() = default;

void ActivePlayerQuestLogGameState::onInit() {
    window = ui::ChildWindow::create("Quest Log", ui::ChildWindow::TitleButton::Close);
    window->setSize(700, 500);
    window->onClose.connectTracked(connections, [this] { close(); });

    layout = ui::HorizontalLayout::create({"100%", "100%"});
    window->add(layout);

    leftColumn = ui::Group::create({"100%", "100%"});
    tabs = ui::Tabs::create();
    tabs->add("Active", false);
    tabs->add("Completed", false);
    leftColumn->add(tabs);
    missionList = ui::ListBox::create();
    missionList->setPosition(0, 50);
    missionList->setSize("100%", 450);
    leftColumn->add(missionList);

    tabs->onTabSelect.connectTracked(connections, [this](int, const std::string&) { refreshList(); });
    missionList->onItemSelect.connectTracked(
        connections, [this](int, const std::string&, const std::string& id) { missionSelected(id); });

    layout->add(leftColumn, 0.3f);
    details = ui::Group::create({"100%", "100%"});
    layout->add(details);

    tabs->select(static_cast<std::size_t>(activeTab));
    services.getGui().add(window);
}

void ActivePlayerQuestLogGameState::refreshList() {
    std::vector<Mission*> missions;
    if (tabs->getSelectedIndex() == activeTab)
        missions = services.getMissions().getActiveMissions();
    else if (tabs->getSelectedIndex() == completedTab)
        missions = services.getMissions().getCompletedMissions();

    missionList->removeAllItems();
    for (const Mission* mission : missions)
        missionList->addItem(mission->getId(), mission->getId());
}

void ActivePlayerQuestLogGameState::missionSelected(const std::string& id) {
    if (id.empty()) {
        details->removeAllWidgets();
        return;
    }
    showMissionDetails(services.getMissions().findMission(id));
}

void ActivePlayerQuestLogGameState::showMissionDetails(const Mission* mission) {
    details->removeAllWidgets();
    if (!mission)
        return;
    auto column = ui::VerticalLayout::create({"100%", "100%"});
    column->add(ui::Label::create(mission->getName()));
    column->add(ui::Label::create(mission->getDescription()));
    column->add(ui::Label::create(mission->getId()));
    details->add(column);
}

void ActivePlayerQuestLogGameState::onDestroy() {
    connections.disconnectAll();
    services.getGui().remove(window);
}

} // namespace tarsk
