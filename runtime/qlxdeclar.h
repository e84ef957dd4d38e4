/* qlxdeclar.h - what a DEFAULT probe decoder takes from the dry-run runtime: the number of
 * decoding contexts (one per qlx_create_probe of the application; NB_INSTANCES unless defined
 * before) and the qlx_declar declaration the decoder writes after its context table. */
#ifndef QMK_DRYRUN_QLXDECLAR_H
#define QMK_DRYRUN_QLXDECLAR_H

#ifndef NB_INSTANCES
#define NB_INSTANCES 4
#endif

#define qlx_declar extern QLX_T_INT qlx_probe_declared

#endif /* QMK_DRYRUN_QLXDECLAR_H */
