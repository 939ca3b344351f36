// atspi_probe: what a screen reader learns of a program, read from the accessibility bus with the
// library the screen readers use. The bus is the one the session bus of the environment names.
//
//   atspi_probe ready                        exit code 0 once the bus and its registry answer
//   atspi_probe tree PID                     the program's accessible objects, one a line:
//                                            depth, role, name, states, actions, tab-separated
//                                            (states and actions comma-separated)
//   atspi_probe do PID ROLE NAME ACTION      carries out the action of the first object of that
//                                            role and name
//
// Exit codes: 0 done, 1 no such object or action, 2 wrong call, 3 no such program on the bus.

#include <atspi/atspi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

constexpr int DeepestLevel = 24;

// A string from the library, freed here; empty for none.
std::string taken(gchar* text) {
    std::string value = text ? text : "";
    g_free(text);
    for (char& c : value) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return value;
}

std::string statesOf(AtspiAccessible* node) {
    AtspiStateSet* set = atspi_accessible_get_state_set(node);
    GArray* states = set ? atspi_state_set_get_states(set) : nullptr;
    auto* names = static_cast<GEnumClass*>(g_type_class_ref(ATSPI_TYPE_STATE_TYPE));
    std::string text;
    for (guint i = 0; states && i < states->len; ++i) {
        const GEnumValue* state = g_enum_get_value(names, g_array_index(states, gint, i));
        if (!state)
            continue;
        text += (text.empty() ? "" : ",");
        text += state->value_nick;
    }
    g_type_class_unref(names);
    if (states)
        g_array_free(states, TRUE);
    if (set)
        g_object_unref(set);
    return text;
}

// Calls visit for each action's name with its index, until visit returns true.
bool eachAction(AtspiAccessible* node,
                const std::function<bool(AtspiAction*, int, const std::string&)>& visit) {
    AtspiAction* actions = atspi_accessible_get_action_iface(node);
    if (!actions)
        return false;
    bool stopped = false;
    const gint count = atspi_action_get_n_actions(actions, nullptr);
    for (gint i = 0; i < count && !stopped; ++i)
        stopped = visit(actions, i, taken(atspi_action_get_action_name(actions, i, nullptr)));
    g_object_unref(actions);
    return stopped;
}

// Walks the tree from the node, depth first, until visit returns true.
bool walk(AtspiAccessible* node, int depth,
          const std::function<bool(AtspiAccessible*, int)>& visit) {
    if (visit(node, depth))
        return true;
    if (depth >= DeepestLevel)
        return false;
    const gint count = atspi_accessible_get_child_count(node, nullptr);
    for (gint i = 0; i < count; ++i) {
        AtspiAccessible* child = atspi_accessible_get_child_at_index(node, i, nullptr);
        if (!child)
            continue;
        const bool stopped = walk(child, depth + 1, visit);
        g_object_unref(child);
        if (stopped)
            return true;
    }
    return false;
}

AtspiAccessible* application(guint pid) {
    AtspiAccessible* desktop = atspi_get_desktop(0);
    AtspiAccessible* found = nullptr;
    const gint count = atspi_accessible_get_child_count(desktop, nullptr);
    for (gint i = 0; i < count && !found; ++i) {
        AtspiAccessible* app = atspi_accessible_get_child_at_index(desktop, i, nullptr);
        if (app && atspi_accessible_get_process_id(app, nullptr) == pid)
            found = app;
        else if (app)
            g_object_unref(app);
    }
    g_object_unref(desktop);
    return found;
}

int printTree(AtspiAccessible* app) {
    walk(app, 0, [](AtspiAccessible* node, int depth) {
        std::string actions;
        eachAction(node, [&](AtspiAction*, int, const std::string& name) {
            actions += (actions.empty() ? "" : ",") + name;
            return false;
        });
        std::printf("%d\t%s\t%s\t%s\t%s\n", depth,
                    taken(atspi_accessible_get_role_name(node, nullptr)).c_str(),
                    taken(atspi_accessible_get_name(node, nullptr)).c_str(), statesOf(node).c_str(),
                    actions.c_str());
        return false;
    });
    return 0;
}

int doAction(AtspiAccessible* app, const char* role, const char* name, const char* action) {
    bool done = false;
    walk(app, 0, [&](AtspiAccessible* node, int) {
        if (taken(atspi_accessible_get_role_name(node, nullptr)) != role ||
            taken(atspi_accessible_get_name(node, nullptr)) != name)
            return false;
        done = eachAction(node, [&](AtspiAction* actions, int index, const std::string& named) {
            return named == action && atspi_action_do_action(actions, index, nullptr);
        });
        return true;
    });
    return done ? 0 : 1;
}

bool registryAnswers() {
    AtspiAccessible* desktop = atspi_get_desktop(0);
    GError* error = nullptr;
    atspi_accessible_get_child_count(desktop, &error);
    g_object_unref(desktop);
    if (!error)
        return true;
    g_error_free(error);
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool ready = argc == 2 && std::strcmp(argv[1], "ready") == 0;
    const bool tree = argc == 3 && std::strcmp(argv[1], "tree") == 0;
    const bool act = argc == 6 && std::strcmp(argv[1], "do") == 0;
    if (!ready && !tree && !act) {
        std::fputs("usage: atspi_probe ready | tree PID | do PID ROLE NAME ACTION\n", stderr);
        return 2;
    }
    if (atspi_init() < 0)
        return 3;
    if (ready)
        return registryAnswers() ? 0 : 3;
    AtspiAccessible* app = application(guint(std::strtoul(argv[2], nullptr, 10)));
    if (!app)
        return 3;
    const int result = tree ? printTree(app) : doAction(app, argv[3], argv[4], argv[5]);
    g_object_unref(app);
    return result;
}
