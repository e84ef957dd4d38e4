# Whole-program tests of qmkprepro and qmkiface.
import os
import lit.formats

config.name = 'qmkprepro'
config.test_format = lit.formats.ShTest(True)
config.suffixes = ['.test']
config.excludes = ['Inputs']
config.test_source_root = os.path.dirname(__file__)

build = lit_config.params.get('build')
filecheck = lit_config.params.get('filecheck', 'FileCheck-14')
source = lit_config.params.get('source', os.path.dirname(os.path.dirname(config.test_source_root)))
if not build:
    lit_config.fatal('run lit with --param build=<build folder>')

config.test_exec_root = os.path.join(build, 'lit')
config.substitutions.append(('%qmkprepro', os.path.join(build, 'bin', 'qmkprepro')))
config.substitutions.append(('%qmkiface', os.path.join(build, 'bin', 'qmkiface')))
config.substitutions.append(('%status', os.path.join(config.test_source_root, 'run_status.sh')))
config.substitutions.append(('%{long}', 'x' * 300))
config.substitutions.append(('%build', build))
config.substitutions.append(('%srcroot', source))
config.substitutions.append(('FileCheck', filecheck))

# The programs under test see a plain C locale, the build folder as their installation,
# and none of the variables that change default extensions or include paths.
for name in list(config.environment):
    if name.startswith('LC_') or name.startswith('QMK') or name in ('LANG', 'QLXTGT', 'QMW_ADD_USR_INCLUDE'):
        del config.environment[name]
config.environment['LANG'] = 'C'
config.environment['QANDORDIR'] = build
for name in ('ASAN_OPTIONS', 'UBSAN_OPTIONS', 'PATH', 'HOME'):
    if name in os.environ:
        config.environment[name] = os.environ[name]
