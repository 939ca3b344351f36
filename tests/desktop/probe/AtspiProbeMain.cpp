// atspi_probe: what a screen reader learns of a program, read from the accessibility bus (that of
// the session bus the environment names) with the screen readers' own library.
//
//   atspi_probe PID                      the program's objects, one a line: depth, role, name,
//                                        states, actions (tab-separated; states and actions
//                                        comma-separated)
//   atspi_probe PID ROLE NAME ACTION     carries out the action of the first such object
//
// Exit codes: 0 done, 1 no such object or action, 2 wrong call, 3 the program is not on the bus.

#include <atspi/atspi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

using Visit = std::function<bool(AtspiAccessible* node, int depth)>;

std::string taken(gchar* text) {
    std::string value = text ? text : "";
    g_free(text);
    return value;
}

std::string statesOf(AtspiAccessible* node) {
    AtspiStateSet* set = atspi_accessible_get_state_set(node);
    GArray* states = atspi_state_set_get_states(set);
    auto* names = static_cast<GEnumClass*>(g_type_class_ref(ATSPI_TYPE_STATE_TYPE));
    std::string text;
    for (guint i = 0; i < states->len; ++i) {
        if (const GEnumValue* state = g_enum_get_value(names, g_array_index(states, gint, i)))
            text += (text.empty() ? "" : ",") + std::string(state->value_nick);
    }
    g_type_class_unref(names);
    g_array_free(states, TRUE);
    g_object_unref(set);
    return text;
}

// The node's actions by name; with a name to do, carries that one out instead.
std::string actionsOf(AtspiAccessible* node, const char* toDo = nullptr, bool* done = nullptr) {
    AtspiAction* actions = atspi_accessible_get_action_iface(node);
    std::string text;
    for (gint i = 0; actions && i < atspi_action_get_n_actions(actions, nullptr); ++i) {
        const std::string name = taken(atspi_action_get_action_name(actions, i, nullptr));
        text += (text.empty() ? "" : ",") + name;
        if (toDo && name == toDo)
            *done = atspi_action_do_action(actions, i, nullptr);
    }
    if (actions)
        g_object_unref(actions);
    return text;
}

// Depth first from the node, until visit returns true.
bool walk(AtspiAccessible* node, int depth, const Visit& visit) {
    bool stop = visit(node, depth);
    for (gint i = 0; !stop && i < atspi_accessible_get_child_count(node, nullptr); ++i) {
        if (AtspiAccessible* child = atspi_accessible_get_child_at_index(node, i, nullptr)) {
            stop = walk(child, depth + 1, visit);
            g_object_unref(child);
        }
    }
    return stop;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 5) {
        std::fputs("usage: atspi_probe PID [ROLE NAME ACTION]\n", stderr);
        return 2;
    }
    atspi_init();
    const guint pid = guint(std::strtoul(argv[1], nullptr, 10));
    AtspiAccessible* desktop = atspi_get_desktop(0);
    AtspiAccessible* app = nullptr;
    for (gint i = 0; !app && i < atspi_accessible_get_child_count(desktop, nullptr); ++i) {
        AtspiAccessible* program = atspi_accessible_get_child_at_index(desktop, i, nullptr);
        if (program && atspi_accessible_get_process_id(program, nullptr) == pid)
            app = program;
        else if (program)
            g_object_unref(program);
    }
    if (!app)
        return 3;
    bool done = false;
    walk(app, 0, [&](AtspiAccessible* node, int depth) {
        const std::string role = taken(atspi_accessible_get_role_name(node, nullptr));
        const std::string name = taken(atspi_accessible_get_name(node, nullptr));
        if (argc == 2) {
            std::printf("%d\t%s\t%s\t%s\t%s\n", depth, role.c_str(), name.c_str(),
                        statesOf(node).c_str(), actionsOf(node).c_str());
            return false;
        }
        if (role != argv[2] || name != argv[3])
            return false;
        actionsOf(node, argv[4], &done);
        return true;
    });
    g_object_unref(app);
    g_object_unref(desktop);
    return argc == 2 || done ? 0 : 1;
}
