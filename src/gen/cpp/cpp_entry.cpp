// The program entry of the driver: main, or the thread start routine of -THREAD. It makes the
// driver object as -ALLOCATION says, sets up the runtime (trace buffer, filters, report file,
// instance), starts the run with the run identifier, tells the trace reader which script files the
// trace belongs to, runs the root scenario and ends with its verdict.
#include <string>
#include <vector>

#include "diag/report.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"
#include "gen/tsf/tsf_writer.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

std::string str(long value) { return std::to_string(value); }

std::vector<const Entry*> declared_instances(const sema::Scope* global) {
  std::vector<const Entry*> instances;
  for (const Entry* e = global->first; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::DeclaredInstance) instances.push_back(e);
  }
  return instances;
}

Entry* root_scenario(sema::Scope* global) {
  for (Entry* e = global->first; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::Scenario && is_generated_scenario(e)) return e;
  }
  return nullptr;
}

}  // namespace

class EntryWriter {
 public:
  explicit EntryWriter(CppWriter& writer)
      : w_(writer),
        params_(writer.parameters()),
        thread_(params_.start_routine != "<main>"),
        mode_(writer.context().parameters.instance_mode),
        instances_(declared_instances(writer.context().model.global())) {}

  void write() {
    Entry* root = root_scenario(w_.context().model.global());
    if (root == nullptr) {
      const Entry* first = w_.context().model.global()->first;
      unknown_entry(first != nullptr ? str(static_cast<int>(first->kind)) : "");
    }
    signature();
    w_.open_brace();
    w_.line("QLX_T_INT $local_state = 0;");
    w_.raw("QLX_PT_CAR rio_file_name = \"" + gen_c_path(params_.report_file) + "\";");
    if (mode_ == 1) {
      w_.raw("QLX_PT_CAR fixed_instance = \"" + w_.context().parameters.instance_name.value_or("") + "\";");
    }
    allocation();
    w_.set_runtime("qlx_quelt->qlx_runtime");
    trace_buffer();
    if (thread_) {
      thread_arguments();
    } else {
      main_arguments();
    }
    instance_checks();
    initrio();
    w_.raw("qlx_quelt->J0 = 1;");
    tester_link();
    run_root(root);
    end();
    w_.close_brace();
    w_.set_runtime("qlx_runtime");
  }

 private:
  void signature() {
    if (!thread_) {
      w_.raw("QLX_T_INT main(QLX_T_INT argc,QLX_PT_CAR *argv)");
      return;
    }
    if (!instances_.empty()) {
      w_.empty();
      std::string names;
      for (const Entry* instance : instances_) names += (names.empty() ? "\"" : ",\"") + instance->name + "\"";
      // The names are string literals: the table holds pointers to constant characters.
      w_.raw("const char * " + params_.start_routine + "_Table[] = {" + names + "};");
      w_.raw("int " + params_.start_routine + "_TableLen = " + str(static_cast<long>(instances_.size())) + ";");
      w_.empty();
    }
    w_.raw("QLX_T_THREAD_RETURN  " + params_.start_routine + "(QLX_PT_ARG arg)");
  }

  void allocation() {
    bool buffer = w_.has_trace_buffer();
    std::string bytes = str(w_.buffer_bytes());
    if (params_.allocation == 2) {
      w_.line("QUELT *$quelt = new QUELT;");
      if (buffer) w_.line("$quelt->$runtime.$ctxbuffertrace = new QLX_T_CAR [" + bytes + "] ;");
      return;
    }
    if (params_.allocation == 1) {
      w_.line("QUELT $quelt_static;");
      if (buffer) w_.line("QLX_T_CAR $ctxbuffertrace_static[" + bytes + "];");
    }
    w_.line("QUELT *$quelt = &$quelt_static;");
    if (buffer) w_.line("$quelt->$runtime.$ctxbuffertrace =$ctxbuffertrace_static;");
  }

  void trace_buffer() {
    if (w_.has_trace_buffer()) {
      std::string bytes = str(w_.buffer_bytes());
      w_.line("$.$ctxbuffersize=" + bytes + ";");
      w_.line("$.$ctxbuffersizeleft=" + bytes + ";");
      w_.line("$.$ctxtracepriority=" + str(w_.context().parameters.trace_level) + ";");
      w_.line("$.$ctxcurrentline=$.$ctxbuffertrace;");
      w_.line("$.$ctxlinetoerase=$.$ctxbuffertrace;");
      w_.line("$.$ctxlastline=$.$ctxbuffertrace;");
    } else {
      w_.line("$.$ctxtracepriority = 0;");
    }
    w_.line("$.$set_trace_functions();");
    w_.line("$.$ctxnuminstance = 1;");
    w_.line("$.$instancename[0] = '\\0';");
    w_.line("$.$ctxtesternaming[0] = '\\0';");
  }

  // The thread's arguments; the -SET letters apply whether the caller gives filters or not.
  void thread_arguments() {
    const std::string& letters = params_.filter_letters;
    if (!letters.empty()) {
      w_.line("if ( arg->$filters )");
      w_.open_brace();
      // Sized from its contents: the caller's filters and the letters.
      w_.raw("std::string qlx_l_lstflt = std::string(arg->qlx_filters) + \"" + letters + "\";");
      w_.line("$.$set_lstflt(0,(char **)0,$l_lstflt.c_str());");
      w_.close_brace();
      w_.line("else");
      w_.open_brace();
      w_.line("$.$set_lstflt(0,(char **)0,\"" + letters + "\");");
      w_.close_brace();
    } else {
      w_.line("$.$set_lstflt(0,(char **)0,arg->$filters);");
    }
    w_.line("if ( arg->$riofilename )");
    w_.open_brace();
    w_.line("$.$set_riofilename(0,(char **)0,arg->$riofilename);");
    w_.close_brace();
    w_.line("else");
    w_.open_brace();
    w_.line("$.$set_riofilename(0,(char **)0,rio_file_name);");
    w_.close_brace();
    w_.line("if ( arg->$instance )");
    w_.open_brace();
    w_.line("$.$set_instancename(0,(char **)0,arg->$instance);");
    w_.close_brace();
    w_.line("else");
    w_.open_brace();
    if (mode_ == 1) {
      w_.line("$.$set_instancename(0,(char **)0,fixed_instance);");
    } else {
      w_.line("$.$set_instancename(0,(char **)0,$.$instancename);");
    }
    w_.close_brace();
    w_.line("$.$ctxoccid = ( arg->$occid );");
  }

  void main_arguments() {
    w_.line("$.$set_lstflt(argc,argv,\"" + params_.filter_letters + "\");");
    w_.line("$.$set_riofilename(argc,argv,rio_file_name);");
    if (mode_ == 1) w_.line("$strcpy($.$instancename,fixed_instance);");
    if (mode_ == 2 || mode_ == 3) {
      w_.line("$.$set_instancename(argc,argv,0);");
      instance_index();
    }
    w_.line("$.$set_occid(argc,argv,0);");
  }

  void instance_index() {
    w_.line("if ($.$instancename)");
    w_.open_brace();
    w_.raw("/* Computing index of executed instance */");
    for (std::size_t k = 0; k < instances_.size(); ++k) {
      w_.line("if ($strcmp (\"" + instances_[k]->name + "\",$.$instancename) == 0)");
      w_.open_brace();
      w_.line("$.$ctxnuminstance = " + str(static_cast<long>(k) + 2) + ";");
      w_.close_brace();
    }
    w_.close_brace();
  }

  void instance_checks() {
    if (mode_ < 0 || mode_ > 3) diag::report_internal(diag::Code::BADPARAMS);
    if (mode_ == 2 || mode_ == 3) instance_index();
    w_.raw("#if QMK_DYNFLW");
    w_.line("$.$set_testernaming ();");
    w_.raw("#endif /* QMK_DYNFLW */");
    if (mode_ == 2 || mode_ == 3) {
      std::string unknown = expand_prefixes("($.$ctxnuminstance == -1)", "qlx_quelt->qlx_runtime");
      w_.line("$.$set_instancevalid(!" + unknown + ");");
      w_.line("$.$set_instancerequired(" + unknown + ");");
      w_.line(thread_ ? "$.$set_instancerequired(0);" : "$.$set_instancerequired(" + unknown + ");");
    } else {
      w_.line("$.$set_instancevalid(1);");
      w_.line("$.$set_instancerequired(0);");
    }
  }

  void initrio() {
    std::string run = w_.context().run.text();
    w_.line("$.$ctxflagprobe = 0;");
    w_.raw("#if QMK_DYNFLW");
    w_.line("$.$initrio_with_dynamicfollowing (\"" + run + "\",");
    w_.raw("#else");
    w_.line("$.$initrio_no_dynamicfollowing (\"" + run + "\",");
    w_.raw("#endif /* QMK_DYNFLW */");
    w_.ifdef("QLX_TESSVIA_DEBUG");
    w_.raw("\"D\");");
    w_.else_();
    w_.raw("\"\");");
    w_.endif();
  }

  void tester_link() {
    std::vector<const ScriptFile*> files = files_by_ordinal(w_.context().parameters.files);
    w_.raw("#if QMK_DYNFLW");
    w_.open_brace();
    // Sized from its contents: the tester's name between double quotes.
    w_.raw("std::string tstnaming = std::string(\"\\\"\") + qlx_quelt->qlx_runtime.qlx_ctxtesternaming + \"\\\"\";");
    w_.line("if ( priv_boot_tagtlk( &($.$ctxtagtsocket), $.$instancename, &tstnaming[0], &($.$ctxtagttimeout), "
            "&($.$ctxtagtcommactivated)) )");
    w_.open_brace();
    w_.raw("QMK_EXIT (1);");
    w_.close_brace();
    w_.raw("else");
    w_.open_brace();
    for (const ScriptFile* file : files) {
      w_.line("$.$notify_tsf (" + str(file->ordinal) + ", " + str(file->entry_crc) + ", " +
              str(w_.context().run.check_value(file->identity_key)) + ");");
      w_.raw("/* To_spv: " + str(file->ordinal) + " -> (" + str(file->size) + "," + str(file->crc) + ") - " + file->name +
             " -*/");
    }
    w_.close_brace();
    w_.close_brace();
    w_.line("$.$declare_ni_tsf (" + str(static_cast<long>(files.size())) + ");");
    w_.raw("#endif /* QMK_DYNFLW */");
    w_.empty();
  }

  void run_root(const Entry* root) {
    std::string end = str(root->numbers.element_end);
    std::string number = str(root->numbers.element);
    w_.line("$.$startchronomarkloop ( " + end + ", " + number + " , 0, qlx_quelt->J0, \"\", 0, 0);");
    w_.line("$local_state = $quelt->$S" + number + " ();");
    w_.line("$.$stopchronomarkloop ($local_state, " + end + ", 0, qlx_quelt->J0, \"\", 0, 0);");
    // The cleanup procedure still recorded when the run stops is called once, last.
    if (w_.has_cleanup()) w_.line("if ($quelt->$cleanup) ($quelt->*($quelt->$cleanup)) ();");
  }

  void end() {
    if (w_.has_trace_buffer()) w_.line("$.$flush_circular_buffer (K_TRACECTX_MAX_PRIORITY);");
    w_.line("$.$end ();");
    w_.raw("#if QMK_DYNFLW");
    w_.line("$.$endoftester_tagtlk ();");
    w_.line("priv_close_tagtlk ( &($.$ctxtagtsocket) );");
    w_.raw("#endif /* QMK_DYNFLW */");
    w_.empty();
    if (thread_) {
      // The driver object is freed after its last use, which is the thread's end call.
      w_.line("$.$thr_exit (($local_state != 0));");
      free_dynamic();
    } else {
      free_dynamic();
      w_.raw("QMK_EXIT ((qlx_local_state != 0));");
      w_.raw("return ( 0 );");
    }
  }

  void free_dynamic() {
    if (params_.allocation != 2) return;
    if (w_.has_trace_buffer()) w_.line("delete[] $.$ctxbuffertrace;");
    w_.line("delete $quelt;");
  }

  CppWriter& w_;
  const CppParameters& params_;
  bool thread_;
  int mode_;
  std::vector<const Entry*> instances_;
};

void CppWriter::write_entry() { EntryWriter(*this).write(); }

}  // namespace gen
