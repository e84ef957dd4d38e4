/* controller_sim.cc - a simulated door controller, so that the example's driver runs on a desk.
 *
 * It implements the library of example.h without hardware: a command frame sent on a link moves
 * the door at once and queues the status frame the controller would send back; receive_frame
 * hands the queued frames out in order. scripts/run-example.sh links it with the generated driver
 * and the dry-run runtime:
 *     c++ -std=c++17 -Iruntime -Iexamples out/example.cc examples/controller_sim.cc -o out/example
 */
#include <cstring>
#include <deque>

#include "example.h"

int motor_current = 500;
int open_count[DOOR_COUNT];

namespace {

int door_states[DOOR_COUNT];
std::deque<door_status_t> replies;

bool valid_door(int door) { return door >= 1 && door <= DOOR_COUNT; }

}  // namespace

int controller_init(int doors) {
  for (int i = 0; i < DOOR_COUNT; ++i) {
    door_states[i] = STATE_CLOSED;
    open_count[i] = 0;
  }
  replies.clear();
  return doors == DOOR_COUNT ? 0 : -1;
}

int controller_reset(void) { return controller_init(DOOR_COUNT); }

int door_state(int door) { return valid_door(door) ? door_states[door - 1] : -1; }

link_id_t open_link(const char *, int port) { return port > 0 ? 1 : -1; }

void close_link(link_id_t) {}

/* A request moves its door; opening a door that is already open counts no movement. */
int send_frame(link_id_t link, const void *frame, int size) {
  if (link < 0 || size != static_cast<int>(sizeof(door_request_t))) return -1;
  door_request_t request;
  std::memcpy(&request, frame, sizeof request);
  if (!valid_door(request.door)) return -1;
  int &state = door_states[request.door - 1];
  int wanted = request.command == DOOR_OPEN ? STATE_OPEN : STATE_CLOSED;
  if (request.command == DOOR_OPEN && state != STATE_OPEN) ++open_count[request.door - 1];
  state = wanted;
  replies.push_back(door_status_t{request.door, state, ERR_NONE});
  return size;
}

int receive_frame(link_id_t link, void *frame, int size) {
  if (link < 0 || replies.empty() || size < static_cast<int>(sizeof(door_status_t))) return 0;
  std::memcpy(frame, &replies.front(), sizeof(door_status_t));
  replies.pop_front();
  return static_cast<int>(sizeof(door_status_t));
}
