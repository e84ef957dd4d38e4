/* Interface of a weather-station controller under test: the frames of its field bus, the
   functions of its library, and the C library the test uses to log. */
#ifndef STATION_H
#define STATION_H

#include <stdio.h>
#include <string.h>

typedef int bus_id_t;

/* Sensor kinds and states. */
#define SENSOR_WIND 1
#define SENSOR_RAIN 2
#define SENSOR_TEMP 3
#define SENSOR_COUNT 8

#define ST_IDLE 0
#define ST_MEASURING 1
#define ST_FAULT 2

#define RANGE_MAX 1000

/* A measurement request sent to the station. */
typedef struct {
  int sensor;
  int period_ms;
  unsigned char flags;
} measure_req_t;

/* One reading of a sensor. */
typedef struct {
  int sensor;
  int value;
  int quality[3];
} reading_t;

/* The report the station sends for each request. */
typedef struct {
  int sensor;
  int state;
  union {
    int raw;
    float scaled;
  } level;
  reading_t last;
  char label[16];
} measure_rep_t;

/* Station library. */
int station_open(const char *device);
int station_close(int handle);
int station_state(int sensor);
int station_calibrate(int sensor, int offset);
bus_id_t bus_attach(int handle, int port);
void bus_detach(bus_id_t id);
int bus_write(bus_id_t id, const void *frame, int size);
int bus_read(bus_id_t id, void *frame, int size);
long station_uptime(void);
void station_log(const char *format, ...);
#define SENSOR_OK(s) (station_state(s) != ST_FAULT)

/* Errors the library throws as native exceptions, and the values it publishes. */
typedef struct {
  int code;
  int sensor;
} station_error_t;

extern int readings[SENSOR_COUNT];
extern reading_t history[4];
extern measure_rep_t last_report;
extern int fault_count;
extern long total_time;
extern const char *operator_name;

#endif
