<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Internal Errors (bibli)</name>
    <message>
        <source>%1Expression analysis error %2</source>
        <comment>Error code is "ANAEXPERR"</comment>
        <translation>%1Erreur d'analyse d'expression %2</translation>
    </message>
    <message>
        <source>%1Case table overflow %2</source>
        <comment>Error code is "DEBORCASE"</comment>
        <translation>%1Débordement de la table des cas %2</translation>
    </message>
    <message>
        <source>%1Buffer overflow %2</source>
        <comment>Error code is "DEBORUBAN"</comment>
        <translation>%1Débordement du tampon %2</translation>
    </message>
    <message>
        <source>%1Internal error in %2</source>
        <comment>Error code is "ERRINTERN"</comment>
        <translation>%1Erreur interne dans %2</translation>
    </message>
    <message>
        <source>%1Internal error in function %2</source>
        <comment>Error code is "ERRINTFCT"</comment>
        <translation>%1Erreur interne dans la fonction %2</translation>
    </message>
    <message>
        <source>%1Not initialised %2</source>
        <comment>Error code is "ERRNONINI"</comment>
        <translation>%1Non initialisé %2</translation>
    </message>
    <message>
        <source>%1Impossible external number %2</source>
        <comment>Error code is "EXTNUMIMP"</comment>
        <translation>%1Numéro externe impossible %2</translation>
    </message>
    <message>
        <source>%1Inconsistent TDC list %2</source>
        <comment>Error code is "INCLISTDC"</comment>
        <translation>%1Liste TDC incohérente %2</translation>
    </message>
    <message>
        <source>%1Inconsistent TDC and RIO files %2</source>
        <comment>Error code is "INCTDCRIO"</comment>
        <translation>%1Fichiers TDC et RIO incohérents %2</translation>
    </message>
    <message>
        <source>%1Lexical analyser not initialised %2</source>
        <comment>Error code is "LEXNOTINI"</comment>
        <translation>%1Analyseur lexical non initialisé %2</translation>
    </message>
    <message>
        <source>%1Message too long %2</source>
        <comment>Error code is "MESTROLON"</comment>
        <translation>%1Message trop long %2</translation>
    </message>
    <message>
        <source>Undefined message for code number %1</source>
        <comment>Error code is "NOMESSDEF"</comment>
        <translation>Message non défini pour le code numéro %1</translation>
    </message>
    <message>
        <source>%1Missing exclusion point %2</source>
        <comment>Error code is "PTEXCLABS"</comment>
        <translation>%1Point d'exclusion manquant %2</translation>
    </message>
    <message>
        <source>%1Buffer not initialised %2</source>
        <comment>Error code is "RUBNOTINI"</comment>
        <translation>%1Tampon non initialisé %2</translation>
    </message>
    <message>
        <source>%1Internal string transfer error %2</source>
        <comment>Error code is "TRFSTRINT"</comment>
        <translation>%1Erreur interne de transfert de chaîne %2</translation>
    </message>
</context>
<context>
    <name>Fatal Errors (bibli)</name>
    <message>
        <source>%1No meta-information %2</source>
        <comment>Error code is "AUCUNMETA"</comment>
        <translation>%1Aucune méta-information %2</translation>
    </message>
    <message>
        <source>%1Unknown target %2</source>
        <comment>Error code is "CIBLINCON"</comment>
        <translation>%1Cible inconnue %2</translation>
    </message>
    <message>
        <source>%1Command error %2</source>
        <comment>Error code is "CMDERREUR"</comment>
        <translation>%1Erreur de commande %2</translation>
    </message>
    <message>
        <source>%1Fatal command error %2</source>
        <comment>Error code is "CMDFATALE"</comment>
        <translation>%1Erreur fatale de commande %2</translation>
    </message>
    <message>
        <source>%1Fatal error %2</source>
        <comment>Error code is "ERRFATALE"</comment>
        <translation>%1Erreur fatale %2</translation>
    </message>
    <message>
        <source>%1Execution aborted %2</source>
        <comment>Error code is "EXE_ABORT"</comment>
        <translation>%1Exécution interrompue %2</translation>
    </message>
    <message>
        <source>%1Empty RIO file %2</source>
        <comment>Error code is "FICRIOVID"</comment>
        <translation>%1Fichier RIO vide %2</translation>
    </message>
    <message>
        <source>%1Cannot write the file %2</source>
        <comment>Error code is "IMPECRFIC"</comment>
        <translation>%1Impossible d'écrire le fichier %2</translation>
    </message>
    <message>
        <source>%1Cannot close the file %2</source>
        <comment>Error code is "IMPFERFIC"</comment>
        <translation>%1Impossible de fermer le fichier %2</translation>
    </message>
    <message>
        <source>%1Cannot open the file %2</source>
        <comment>Error code is "IMPOUVFIC"</comment>
        <translation>%1Impossible d'ouvrir le fichier %2</translation>
    </message>
    <message>
        <source>%1Unknown language %2</source>
        <comment>Error code is "LANGINCON"</comment>
        <translation>%1Langage inconnu %2</translation>
    </message>
    <message>
        <source>%1Unknown letter type %2</source>
        <comment>Error code is "LETYINCON"</comment>
        <translation>%1Type de lettre inconnu %2</translation>
    </message>
    <message>
        <source>%1Not implemented %2</source>
        <comment>Error code is "NONIMPLEM"</comment>
        <translation>%1Non implémenté %2</translation>
    </message>
    <message>
        <source>%1Production overflow %2</source>
        <comment>Error code is "OVER_PROD"</comment>
        <translation>%1Débordement de production %2</translation>
    </message>
    <message>
        <source>%1Missing qualifier %2</source>
        <comment>Error code is "QUALABSEN"</comment>
        <translation>%1Qualificatif manquant %2</translation>
    </message>
    <message>
        <source>%1Unknown range type %2</source>
        <comment>Error code is "RATYINCON"</comment>
        <translation>%1Type d'intervalle inconnu %2</translation>
    </message>
    <message>
        <source>%1RIO files cannot be compared %2</source>
        <comment>Error code is "RIOCOMPAR"</comment>
        <translation>%1Les fichiers RIO ne peuvent pas être comparés %2</translation>
    </message>
    <message>
        <source>%1Unknown value type %2</source>
        <comment>Error code is "VATYINCON"</comment>
        <translation>%1Type de valeur inconnu %2</translation>
    </message>
    <message>
        <source>%1Unknown sign %2</source>
        <comment>Error code is "SIGNEINCO"</comment>
        <translation>%1Signe inconnu %2</translation>
    </message>
    <message>
        <source>%1Syntax error in RIO file %2</source>
        <comment>Error code is "STXERRRIO"</comment>
        <translation>%1Erreur de syntaxe dans le fichier RIO %2</translation>
    </message>
    <message>
        <source>%1Syntax error in TDC file %2</source>
        <comment>Error code is "STXERRTDC"</comment>
        <translation>%1Erreur de syntaxe dans le fichier TDC %2</translation>
    </message>
    <message>
        <source>%1Root suffix is mandatory %2</source>
        <comment>Error code is "SUFFROOBL"</comment>
        <translation>%1Le suffixe de la racine est obligatoire %2</translation>
    </message>
    <message>
        <source>%1Inconsistent TDC file %2</source>
        <comment>Error code is "TDCINCOHE"</comment>
        <translation>%1Fichier TDC incohérent %2</translation>
    </message>
</context>
<context>
    <name>Warnings (bibli)</name>
    <message>
        <source>%1File not analysed %2</source>
        <comment>Error code is "FILNOTANA"</comment>
        <translation>%1Fichier non analysé %2</translation>
    </message>
    <message>
        <source>%1Bit field ignored %2</source>
        <comment>Error code is "BITIGNORE"</comment>
        <translation>%1Champ de bits ignoré %2</translation>
    </message>
    <message>
        <source>%1Blank or empty string %2</source>
        <comment>Error code is "BLSTRVIDE"</comment>
        <translation>%1Chaîne blanche ou vide %2</translation>
    </message>
    <message>
        <source>%1Blank or empty environment variable %2</source>
        <comment>Error code is "BLENVVIDE"</comment>
        <translation>%1Variable d'environnement blanche ou vide %2</translation>
    </message>
    <message>
        <source>%1Missing block %2</source>
        <comment>Error code is "BLOC_ABST"</comment>
        <translation>%1Bloc manquant %2</translation>
    </message>
    <message>
        <source>%1Union field not allowed %2</source>
        <comment>Error code is "CHAMUNION"</comment>
        <translation>%1Champ d'union non autorisé %2</translation>
    </message>
    <message>
        <source>%1Impossible connection %2</source>
        <comment>Error code is "CONNEXIMP"</comment>
        <translation>%1Connexion impossible %2</translation>
    </message>
    <message>
        <source>%1Not a constant expression: %2</source>
        <comment>Error code is "CONSTINIT"</comment>
        <translation>%1Pas une expression constante : %2</translation>
    </message>
    <message>
        <source>%1Implicit type conversion %2</source>
        <comment>Error code is "CONVERTYP"</comment>
        <translation>%1Conversion de type implicite %2</translation>
    </message>
    <message>
        <source>%1Constant too long %2</source>
        <comment>Error code is "CSTTOLONG"</comment>
        <translation>%1Constante trop longue %2</translation>
    </message>
    <message>
        <source>%1Exception declared twice %2</source>
        <comment>Error code is "DBL_EXCEP"</comment>
        <translation>%1Exception déclarée deux fois %2</translation>
    </message>
    <message>
        <source>%1Empty element %2</source>
        <comment>Error code is "ELMT_VIDE"</comment>
        <translation>%1Élément vide %2</translation>
    </message>
    <message>
        <source>%1Bad root option %2</source>
        <comment>Error code is "ERRROOOPT"</comment>
        <translation>%1Option de racine incorrecte %2</translation>
    </message>
    <message>
        <source>%1Bad array size %2</source>
        <comment>Error code is "ERTAILTAB"</comment>
        <translation>%1Taille de tableau incorrecte %2</translation>
    </message>
    <message>
        <source>%1Unknown family %2</source>
        <comment>Error code is "FAMI_INEX"</comment>
        <translation>%1Famille inconnue %2</translation>
    </message>
    <message>
        <source>%1File already present %2</source>
        <comment>Error code is "FICDEJAPR"</comment>
        <translation>%1Fichier déjà présent %2</translation>
    </message>
    <message>
        <source>%1Bad header format %2</source>
        <comment>Error code is "FORMENTET"</comment>
        <translation>%1Format d'en-tête incorrect %2</translation>
    </message>
    <message>
        <source>%1Several FORMAT instructions for variable %2</source>
        <comment>Error code is "FORMREDEF"</comment>
        <translation>%1Plusieurs instructions FORMAT pour la variable %2</translation>
    </message>
    <message>
        <source>%1Unknown ident %2</source>
        <comment>Error code is "IDENTINCO"</comment>
        <translation>%1Identificateur inconnu %2</translation>
    </message>
    <message>
        <source>%1Unknown include %2</source>
        <comment>Error code is "INCLINCON"</comment>
        <translation>%1Inclusion inconnue %2</translation>
    </message>
    <message>
        <source>%1Inconsistent line in RIO file %2</source>
        <comment>Error code is "INCLIGRIO"</comment>
        <translation>%1Ligne incohérente dans le fichier RIO %2</translation>
    </message>
    <message>
        <source>%1Inconsistent line in TDC file %2</source>
        <comment>Error code is "INCLIGTDC"</comment>
        <translation>%1Ligne incohérente dans le fichier TDC %2</translation>
    </message>
    <message>
        <source>%1Bad include type %2</source>
        <comment>Error code is "INCLTYPER"</comment>
        <translation>%1Type d'inclusion incorrect %2</translation>
    </message>
    <message>
        <source>%1Segment included twice %2</source>
        <comment>Error code is "INCSEGDBL"</comment>
        <translation>%1Segment inclus deux fois %2</translation>
    </message>
    <message>
        <source>%1Invalid include %2</source>
        <comment>Error code is "INCL_INVA"</comment>
        <translation>%1Inclusion invalide %2</translation>
    </message>
    <message>
        <source>%1Include not empty %2</source>
        <comment>Error code is "INC_NVIDE"</comment>
        <translation>%1Inclusion non vide %2</translation>
    </message>
    <message>
        <source>%1Inconsistent index bounds %2</source>
        <comment>Error code is "INDBOUINC"</comment>
        <translation>%1Bornes d'indice incohérentes %2</translation>
    </message>
    <message>
        <source>%1Different array indexes %2</source>
        <comment>Error code is "INDTABDIF"</comment>
        <translation>%1Indices de tableau différents %2</translation>
    </message>
    <message>
        <source>%1Invalid omitted value %2</source>
        <comment>Error code is "INVAOMISE"</comment>
        <translation>%1Valeur omise invalide %2</translation>
    </message>
    <message>
        <source>%1Language switched %2</source>
        <comment>Error code is "LANSWITCH"</comment>
        <translation>%1Changement de langage %2</translation>
    </message>
    <message>
        <source>%1Language not defined %2</source>
        <comment>Error code is "LANGANDEF"</comment>
        <translation>%1Langage non défini %2</translation>
    </message>
    <message>
        <source>%1Inconsistent language attribute %2</source>
        <comment>Error code is "LANGATINC"</comment>
        <translation>%1Attribut de langage incohérent %2</translation>
    </message>
    <message>
        <source>%1Inconsistent constant line %2</source>
        <comment>Error code is "LIGCSTINC"</comment>
        <translation>%1Ligne de constante incohérente %2</translation>
    </message>
    <message>
        <source>%1Line not processed %2</source>
        <comment>Error code is "LIGNTRAIT"</comment>
        <translation>%1Ligne non traitée %2</translation>
    </message>
    <message>
        <source>%1Inconsistent parameter list %2</source>
        <comment>Error code is "LISPARINC"</comment>
        <translation>%1Liste de paramètres incohérente %2</translation>
    </message>
    <message>
        <source>%1Invalid list %2</source>
        <comment>Error code is "LISTEINVA"</comment>
        <translation>%1Liste invalide %2</translation>
    </message>
    <message>
        <source>%1Misplaced %2</source>
        <comment>Error code is "MAL_PLACE"</comment>
        <translation>%1Mal placé %2</translation>
    </message>
    <message>
        <source>%1Minimum greater than maximum %2</source>
        <comment>Error code is "MINMAXVAL"</comment>
        <translation>%1Minimum supérieur au maximum %2</translation>
    </message>
    <message>
        <source>%1Version number mismatch %2</source>
        <comment>Error code is "MISMNUVER"</comment>
        <translation>%1Numéros de version différents %2</translation>
    </message>
    <message>
        <source>%1Keyword not analysed %2</source>
        <comment>Error code is "MOTCLEANA"</comment>
        <translation>%1Mot-clé non analysé %2</translation>
    </message>
    <message>
        <source>%1Obsolete keyword %2</source>
        <comment>Error code is "MOTCLEOBS"</comment>
        <translation>%1Mot-clé obsolète %2</translation>
    </message>
    <message>
        <source>%1Keyword repeated %2</source>
        <comment>Error code is "MOTDOUBLE"</comment>
        <translation>%1Mot-clé répété %2</translation>
    </message>
    <message>
        <source>%1Mute service %2</source>
        <comment>Error code is "MUETSERVI"</comment>
        <translation>%1Service de muet %2</translation>
    </message>
    <message>
        <source>%1Undefined mute %2</source>
        <comment>Error code is "MUETUNDEF"</comment>
        <translation>%1Muet non défini %2</translation>
    </message>
    <message>
        <source>%1Bad number of mute calls %2</source>
        <comment>Error code is "NBAPPMUET"</comment>
        <translation>%1Nombre d'appels de muet incorrect %2</translation>
    </message>
    <message>
        <source>%1Bad number of mute values %2</source>
        <comment>Error code is "NBVALMUET"</comment>
        <translation>%1Nombre de valeurs de muet incorrect %2</translation>
    </message>
    <message>
        <source>%1No logical name defined %2</source>
        <comment>Error code is "NOLOGIDEF"</comment>
        <translation>%1Aucun nom logique défini %2</translation>
    </message>
    <message>
        <source>%1Empty family name %2</source>
        <comment>Error code is "NOMFAMVID"</comment>
        <translation>%1Nom de famille vide %2</translation>
    </message>
    <message>
        <source>%1Operation name repeated %2</source>
        <comment>Error code is "NOMOPEDBL"</comment>
        <translation>%1Nom d'opération répété %2</translation>
    </message>
    <message>
        <source>%1Test name repeated %2</source>
        <comment>Error code is "NOMTSTDBL"</comment>
        <translation>%1Nom de test répété %2</translation>
    </message>
    <message>
        <source>%1Variable name repeated %2</source>
        <comment>Error code is "NOMVARDBL"</comment>
        <translation>%1Nom de variable répété %2</translation>
    </message>
    <message>
        <source>%1Not allowed %2</source>
        <comment>Error code is "NONAUTORI"</comment>
        <translation>%1Non autorisé %2</translation>
    </message>
    <message>
        <source>%1No subsystem %2</source>
        <comment>Error code is "NOSSYSTEM"</comment>
        <translation>%1Aucun sous-système %2</translation>
    </message>
    <message>
        <source>%1Missing version number %2</source>
        <comment>Error code is "NUMVERABS"</comment>
        <translation>%1Numéro de version manquant %2</translation>
    </message>
    <message>
        <source>%1Version number repeated %2</source>
        <comment>Error code is "NUVER_DBL"</comment>
        <translation>%1Numéro de version répété %2</translation>
    </message>
    <message>
        <source>%1Impossible class operation %2</source>
        <comment>Error code is "OPCLASSIMP"</comment>
        <translation>%1Opération de classe impossible %2</translation>
    </message>
    <message>
        <source>%1Incompatible operation %2</source>
        <comment>Error code is "OPINCOMPA"</comment>
        <translation>%1Opération incompatible %2</translation>
    </message>
    <message>
        <source>%1Incompatible structure comparison in array %2</source>
        <comment>Error code is "CMPSTRINCTAB"</comment>
        <translation>%1Comparaison de structures incompatible dans un tableau %2</translation>
    </message>
    <message>
        <source>%1Incompatible structure comparison in structure %2</source>
        <comment>Error code is "CMPSTRINCSTU"</comment>
        <translation>%1Comparaison de structures incompatible dans une structure %2</translation>
    </message>
    <message>
        <source>%1Landscape and portrait layouts mixed %2</source>
        <comment>Error code is "LANDPORT"</comment>
        <translation>%1Présentations paysage et portrait mélangées %2</translation>
    </message>
    <message>
        <source>%1Unknown operation %2</source>
        <comment>Error code is "OPER_INEX"</comment>
        <translation>%1Opération inconnue %2</translation>
    </message>
    <message>
        <source>%1Empty operation %2</source>
        <comment>Error code is "OPER_VIDE"</comment>
        <translation>%1Opération vide %2</translation>
    </message>
    <message>
        <source>%1Operation on a bit field input %2</source>
        <comment>Error code is "OPSGBDINP"</comment>
        <translation>%1Opération sur une entrée champ de bits %2</translation>
    </message>
    <message>
        <source>%1Option not analysed %2</source>
        <comment>Error code is "OPTIONANA"</comment>
        <translation>%1Option non analysée %2</translation>
    </message>
    <message>
        <source>%1Option ignored by this analysis %2</source>
        <comment>Error code is "OPTCETANA"</comment>
        <translation>%1Option ignorée par cette analyse %2</translation>
    </message>
    <message>
        <source>%1Option ignored for C++ %2</source>
        <comment>Error code is "OPTCETCPP"</comment>
        <translation>%1Option ignorée pour le C++ %2</translation>
    </message>
    <message>
        <source>%1Inconsistent parameter declaration %2</source>
        <comment>Error code is "PARINCDEC"</comment>
        <translation>%1Déclaration de paramètre incohérente %2</translation>
    </message>
    <message>
        <source>%1Pointer not initialised %2</source>
        <comment>Error code is "POINOINIT"</comment>
        <translation>%1Pointeur non initialisé %2</translation>
    </message>
    <message>
        <source>%1Segment syntax warning %2</source>
        <comment>Error code is "SEGSTXWAR"</comment>
        <translation>%1Avertissement de syntaxe de segment %2</translation>
    </message>
    <message>
        <source>%1Structure name expected %2</source>
        <comment>Error code is "STRUCTNOM"</comment>
        <translation>%1Nom de structure attendu %2</translation>
    </message>
    <message>
        <source>%1Syntax of meta-information %2</source>
        <comment>Error code is "STXMETAIN"</comment>
        <translation>%1Syntaxe de méta-information %2</translation>
    </message>
    <message>
        <source>%1Test error %2</source>
        <comment>Error code is "TEST_ERRO"</comment>
        <translation>%1Erreur de test %2</translation>
    </message>
    <message>
        <source>%1Unknown test %2</source>
        <comment>Error code is "TEST_INEX"</comment>
        <translation>%1Test inconnu %2</translation>
    </message>
    <message>
        <source>%1Empty test %2</source>
        <comment>Error code is "TEST_VIDE"</comment>
        <translation>%1Test vide %2</translation>
    </message>
    <message>
        <source>%1Too many end of IF %2</source>
        <comment>Error code is "TROPFINSI"</comment>
        <translation>%1Trop de fins de IF %2</translation>
    </message>
    <message>
        <source>%1Native type not allowed %2</source>
        <comment>Error code is "TYPENATIF"</comment>
        <translation>%1Type natif non autorisé %2</translation>
    </message>
    <message>
        <source>%1Incompatible type %2</source>
        <comment>Error code is "TYPEINCOM"</comment>
        <translation>%1Type incompatible %2</translation>
    </message>
    <message>
        <source>%1Bad initial value for variable %2</source>
        <comment>Error code is "VALINITVA"</comment>
        <translation>%1Valeur initiale incorrecte pour la variable %2</translation>
    </message>
    <message>
        <source>%1Value omitted for mute %2</source>
        <comment>Error code is "VALOMIMUE"</comment>
        <translation>%1Valeur omise pour un muet %2</translation>
    </message>
    <message>
        <source>%1Value omitted for parameter %2</source>
        <comment>Error code is "VALOMIPAR"</comment>
        <translation>%1Valeur omise pour un paramètre %2</translation>
    </message>
    <message>
        <source>%1Bad return value of mute %2</source>
        <comment>Error code is "VALRETMUE"</comment>
        <translation>%1Valeur de retour de muet incorrecte %2</translation>
    </message>
    <message>
        <source>%1Variable not tested %2</source>
        <comment>Error code is "VARNOTEST"</comment>
        <translation>%1Variable non testée %2</translation>
    </message>
    <message>
        <source>%1Signal problem %2</source>
        <comment>Error code is "SIGNALPRO"</comment>
        <translation>%1Problème de signal %2</translation>
    </message>
    <message>
        <source>%1Obsolete option %2</source>
        <comment>Error code is "OPTOBSOLET"</comment>
        <translation>%1Option obsolète %2</translation>
    </message>
</context>
<context>
    <name>Errors (bibli)</name>
    <message>
        <source>%1Array assignment error %2</source>
        <comment>Error code is "ASMTABERR"</comment>
        <translation>%1Erreur d'affectation de tableau %2</translation>
    </message>
    <message>
        <source>%1Structure contains itself %2</source>
        <comment>Error code is "AUTOSTRUC"</comment>
        <translation>%1La structure se contient elle-même %2</translation>
    </message>
    <message>
        <source>%1Bad aggregate %2</source>
        <comment>Error code is "BADAGGREGATE"</comment>
        <translation>%1Agrégat incorrect %2</translation>
    </message>
    <message>
        <source>%1Unknown base %2</source>
        <comment>Error code is "BASEINCON"</comment>
        <translation>%1Base inconnue %2</translation>
    </message>
    <message>
        <source>%1Missing BEGIN %2</source>
        <comment>Error code is "BEGINABSE"</comment>
        <translation>%1BEGIN manquant %2</translation>
    </message>
    <message>
        <source>%1Bad BEGIN occurrence %2</source>
        <comment>Error code is "BEGOCCURE"</comment>
        <translation>%1Occurrence de BEGIN incorrecte %2</translation>
    </message>
    <message>
        <source>%1Bad lower bound %2</source>
        <comment>Error code is "BORINFINC"</comment>
        <translation>%1Borne inférieure incorrecte %2</translation>
    </message>
    <message>
        <source>%1Bad upper bound %2</source>
        <comment>Error code is "BORSUPINC"</comment>
        <translation>%1Borne supérieure incorrecte %2</translation>
    </message>
    <message>
        <source>%1Unknown field %2</source>
        <comment>Error code is "CHAMPINCO"</comment>
        <translation>%1Champ inconnu %2</translation>
    </message>
    <message>
        <source>%1Invalid character %2</source>
        <comment>Error code is "CHARINVAL"</comment>
        <translation>%1Caractère invalide %2</translation>
    </message>
    <message>
        <source>%1Missing connection %2</source>
        <comment>Error code is "CONNEXABS"</comment>
        <translation>%1Connexion manquante %2</translation>
    </message>
    <message>
        <source>%1Unknown constant %2</source>
        <comment>Error code is "CONSTINCO"</comment>
        <translation>%1Constante inconnue %2</translation>
    </message>
    <message>
        <source>%1Missing declaration %2</source>
        <comment>Error code is "DECLARABS"</comment>
        <translation>%1Déclaration manquante %2</translation>
    </message>
    <message>
        <source>%1Multiple definition %2</source>
        <comment>Error code is "DEFMULTIP"</comment>
        <translation>%1Définition multiple %2</translation>
    </message>
    <message>
        <source>%1Bad delta between minimum and maximum %2</source>
        <comment>Error code is "DELMINMAX"</comment>
        <translation>%1Écart incorrect entre minimum et maximum %2</translation>
    </message>
    <message>
        <source>%1Division by zero</source>
        <comment>Error code is "DIVBYZERO"</comment>
        <translation>%1Division par zéro</translation>
    </message>
    <message>
        <source>%1Duplicate environment name %2</source>
        <comment>Error code is "DUPENVNAM"</comment>
        <translation>%1Nom d'environnement en double %2</translation>
    </message>
    <message>
        <source>%1Duplicate constant %2</source>
        <comment>Error code is "DUPLCONST"</comment>
        <translation>%1Constante en double %2</translation>
    </message>
    <message>
        <source>%1Duplicate field name %2</source>
        <comment>Error code is "DUPNOMCHP"</comment>
        <translation>%1Nom de champ en double %2</translation>
    </message>
    <message>
        <source>%1Duplicate structure name %2</source>
        <comment>Error code is "DUPSTRNAM"</comment>
        <translation>%1Nom de structure en double %2</translation>
    </message>
    <message>
        <source>%1Missing '=' %2</source>
        <comment>Error code is "EGALABSEN"</comment>
        <translation>%1'=' manquant %2</translation>
    </message>
    <message>
        <source>%1Bad list element %2</source>
        <comment>Error code is "ELEMLISTE"</comment>
        <translation>%1Élément de liste incorrect %2</translation>
    </message>
    <message>
        <source>%1Bad END occurrence %2</source>
        <comment>Error code is "ENDOCCURE"</comment>
        <translation>%1Occurrence de END incorrecte %2</translation>
    </message>
    <message>
        <source>%1Header error %2</source>
        <comment>Error code is "ENTETEERR"</comment>
        <translation>%1Erreur d'en-tête %2</translation>
    </message>
    <message>
        <source>%1Missing enumeration type %2</source>
        <comment>Error code is "ENUTYPABS"</comment>
        <translation>%1Type énuméré manquant %2</translation>
    </message>
    <message>
        <source>%1Environment not allowed in an operation %2</source>
        <comment>Error code is "ENVDANSOP"</comment>
        <translation>%1Environnement interdit dans une opération %2</translation>
    </message>
    <message>
        <source>%1Environment parameter error %2</source>
        <comment>Error code is "ENVPARERR"</comment>
        <translation>%1Erreur de paramètre d'environnement %2</translation>
    </message>
    <message>
        <source>%1Bad environment parameter %2</source>
        <comment>Error code is "ENVPARAME"</comment>
        <translation>%1Paramètre d'environnement incorrect %2</translation>
    </message>
    <message>
        <source>%1Unknown environment %2</source>
        <comment>Error code is "ENV_INCON"</comment>
        <translation>%1Environnement inconnu %2</translation>
    </message>
    <message>
        <source>%1Lexical error %2</source>
        <comment>Error code is "ERRLEXCAL"</comment>
        <translation>%1Erreur lexicale %2</translation>
    </message>
    <message>
        <source>%1Unbalanced parentheses %2</source>
        <comment>Error code is "ERRPARENT"</comment>
        <translation>%1Parenthèses non équilibrées %2</translation>
    </message>
    <message>
        <source>%1Type error (186) %2</source>
        <comment>Error code is "ERRTYP186"</comment>
        <translation>%1Erreur de type (186) %2</translation>
    </message>
    <message>
        <source>%1Incompatible format %2</source>
        <comment>Error code is "FMTINCOMP"</comment>
        <translation>%1Format incompatible %2</translation>
    </message>
    <message>
        <source>%1Constant used before its declaration %2</source>
        <comment>Error code is "FORWCONST"</comment>
        <translation>%1Constante utilisée avant sa déclaration %2</translation>
    </message>
    <message>
        <source>%1FOR variable is a constant %2</source>
        <comment>Error code is "FOR_CONST"</comment>
        <translation>%1La variable de FOR est une constante %2</translation>
    </message>
    <message>
        <source>%1Bad increment %2</source>
        <comment>Error code is "INCREMENT"</comment>
        <translation>%1Incrément incorrect %2</translation>
    </message>
    <message>
        <source>%1Missing initial value %2</source>
        <comment>Error code is "INITABSEN"</comment>
        <translation>%1Valeur initiale manquante %2</translation>
    </message>
    <message>
        <source>%1Bad aggregate initialisation %2</source>
        <comment>Error code is "INITAGREG"</comment>
        <translation>%1Initialisation d'agrégat incorrecte %2</translation>
    </message>
    <message>
        <source>%1Initialisation in an assignment %2</source>
        <comment>Error code is "INITINASM"</comment>
        <translation>%1Initialisation dans une affectation %2</translation>
    </message>
    <message>
        <source>%1Interval greater than one %2</source>
        <comment>Error code is "INTSUPEUN"</comment>
        <translation>%1Intervalle supérieur à un %2</translation>
    </message>
    <message>
        <source>%1Interval equal to one %2</source>
        <comment>Error code is "INTEGALUN"</comment>
        <translation>%1Intervalle égal à un %2</translation>
    </message>
    <message>
        <source>%1Invalid keyword %2</source>
        <comment>Error code is "INVMOTCLE"</comment>
        <translation>%1Mot-clé invalide %2</translation>
    </message>
    <message>
        <source>%1Line too long %2</source>
        <comment>Error code is "LINETOLON"</comment>
        <translation>%1Ligne trop longue %2</translation>
    </message>
    <message>
        <source>%1Bad initialisation list %2</source>
        <comment>Error code is "LISTEINIT"</comment>
        <translation>%1Liste d'initialisation incorrecte %2</translation>
    </message>
    <message>
        <source>%1Bad value list %2</source>
        <comment>Error code is "LISTEVAIN"</comment>
        <translation>%1Liste de valeurs incorrecte %2</translation>
    </message>
    <message>
        <source>%1Missing keyword %2</source>
        <comment>Error code is "MOTCLEABS"</comment>
        <translation>%1Mot-clé manquant %2</translation>
    </message>
    <message>
        <source>%1Repeated keyword %2</source>
        <comment>Error code is "MOTCLEREP"</comment>
        <translation>%1Mot-clé répété %2</translation>
    </message>
    <message>
        <source>%1Bad number of dynamic initialisations %2</source>
        <comment>Error code is "NBINITDYN"</comment>
        <translation>%1Nombre d'initialisations dynamiques incorrect %2</translation>
    </message>
    <message>
        <source>%1Different number of parameters %2</source>
        <comment>Error code is "NBPARADIF"</comment>
        <translation>%1Nombre de paramètres différent %2</translation>
    </message>
    <message>
        <source>%1Too many initial values %2</source>
        <comment>Error code is "NBVAINOVE"</comment>
        <translation>%1Trop de valeurs initiales %2</translation>
    </message>
    <message>
        <source>%1Bad number of values in list %2</source>
        <comment>Error code is "NBVALLIST"</comment>
        <translation>%1Nombre de valeurs incorrect dans la liste %2</translation>
    </message>
    <message>
        <source>%1Missing base name %2</source>
        <comment>Error code is "NOMBASABS"</comment>
        <translation>%1Nom de base manquant %2</translation>
    </message>
    <message>
        <source>%1Unknown parameter name %2</source>
        <comment>Error code is "NOMPARINC"</comment>
        <translation>%1Nom de paramètre inconnu %2</translation>
    </message>
    <message>
        <source>%1Bad variable name %2</source>
        <comment>Error code is "NOMVARINC"</comment>
        <translation>%1Nom de variable incorrect %2</translation>
    </message>
    <message>
        <source>%1Not supported %2</source>
        <comment>Error code is "NOTSUPPORTED"</comment>
        <translation>%1Non pris en charge %2</translation>
    </message>
    <message>
        <source>%1Not supported for this language %2</source>
        <comment>Error code is "NOTADASUPPOR"</comment>
        <translation>%1Non pris en charge pour ce langage %2</translation>
    </message>
    <message>
        <source>%1Impossible operation on a bit field %2</source>
        <comment>Error code is "OPSGBDIMP"</comment>
        <translation>%1Opération impossible sur un champ de bits %2</translation>
    </message>
    <message>
        <source>%1Overflow</source>
        <comment>Error code is "OVERFLOW"</comment>
        <translation>%1Dépassement de capacité</translation>
    </message>
    <message>
        <source>%1Parameter not allowed in an environment %2</source>
        <comment>Error code is "PARAMENVI"</comment>
        <translation>%1Paramètre interdit dans un environnement %2</translation>
    </message>
    <message>
        <source>%1Array index not allowed in an environment %2</source>
        <comment>Error code is "ARRINDENV"</comment>
        <translation>%1Indice de tableau interdit dans un environnement %2</translation>
    </message>
    <message>
        <source>%1Bad pointer initialisation %2</source>
        <comment>Error code is "POINTINIT"</comment>
        <translation>%1Initialisation de pointeur incorrecte %2</translation>
    </message>
    <message>
        <source>%1Too many bounds %2</source>
        <comment>Error code is "PLUSBOUND"</comment>
        <translation>%1Trop de bornes %2</translation>
    </message>
    <message>
        <source>%1Empty program part %2</source>
        <comment>Error code is "PROGXVIDE"</comment>
        <translation>%1Partie de programme vide %2</translation>
    </message>
    <message>
        <source>%1Empty program %2</source>
        <comment>Error code is "PROG_VIDE"</comment>
        <translation>%1Programme vide %2</translation>
    </message>
    <message>
        <source>%1Unknown register (186) %2</source>
        <comment>Error code is "REGINC186"</comment>
        <translation>%1Registre inconnu (186) %2</translation>
    </message>
    <message>
        <source>%1Segment syntax error %2</source>
        <comment>Error code is "SEGSTXERR"</comment>
        <translation>%1Erreur de syntaxe de segment %2</translation>
    </message>
    <message>
        <source>%1Unknown segment parameter %2</source>
        <comment>Error code is "SGTPARINC"</comment>
        <translation>%1Paramètre de segment inconnu %2</translation>
    </message>
    <message>
        <source>%1Stimulus domain mismatch %2</source>
        <comment>Error code is "STIMDOMAT"</comment>
        <translation>%1Domaine de stimulus incompatible %2</translation>
    </message>
    <message>
        <source>%1Recursive structure %2</source>
        <comment>Error code is "STRRECURS"</comment>
        <translation>%1Structure récursive %2</translation>
    </message>
    <message>
        <source>%1Syntax error in module %2</source>
        <comment>Error code is "STXERRMOD"</comment>
        <translation>%1Erreur de syntaxe dans le module %2</translation>
    </message>
    <message>
        <source>%1Syntax error in type %2</source>
        <comment>Error code is "STXERRTYP"</comment>
        <translation>%1Erreur de syntaxe dans le type %2</translation>
    </message>
    <message>
        <source>%1Syntax error in value expression %2</source>
        <comment>Error code is "STXVALEXP"</comment>
        <translation>%1Erreur de syntaxe dans l'expression de valeur %2</translation>
    </message>
    <message>
        <source>%1Syntax error in range %2</source>
        <comment>Error code is "STX_ERRRA"</comment>
        <translation>%1Erreur de syntaxe dans l'intervalle %2</translation>
    </message>
    <message>
        <source>%1Syntax error %2</source>
        <comment>Error code is "SYNTAXERO"</comment>
        <translation>%1Erreur de syntaxe %2</translation>
    </message>
    <message>
        <source>%1Unknown array %2</source>
        <comment>Error code is "TABLEINCO"</comment>
        <translation>%1Tableau inconnu %2</translation>
    </message>
    <message>
        <source>%1The integer size %2 is not a multiple of 8</source>
        <comment>Error code is "TAILLEDIV"</comment>
        <translation>%1La taille d'entier %2 n'est pas un multiple de 8</translation>
    </message>
    <message>
        <source>%1Bad format of integer size: %2</source>
        <comment>Error code is "TAILLEERR"</comment>
        <translation>%1Format de taille d'entier incorrect : %2</translation>
    </message>
    <message>
        <source>%1TO expected %2</source>
        <comment>Error code is "TOATTENDU"</comment>
        <translation>%1TO attendu %2</translation>
    </message>
    <message>
        <source>%1Too many ELSE %2</source>
        <comment>Error code is "TROPSINON"</comment>
        <translation>%1Trop de ELSE %2</translation>
    </message>
    <message>
        <source>%1Bad bound type %2</source>
        <comment>Error code is "TYPEBORNE"</comment>
        <translation>%1Type de borne incorrect %2</translation>
    </message>
    <message>
        <source>%1Bad FROM type %2</source>
        <comment>Error code is "TYPEIFROM"</comment>
        <translation>%1Type de FROM incorrect %2</translation>
    </message>
    <message>
        <source>%1Unknown type %2</source>
        <comment>Error code is "TYPEINCON"</comment>
        <translation>%1Type inconnu %2</translation>
    </message>
    <message>
        <source>%1Type mismatch %2</source>
        <comment>Error code is "TYPESMISM"</comment>
        <translation>%1Types différents %2</translation>
    </message>
    <message>
        <source>%1Bad loop type %2</source>
        <comment>Error code is "TYPBOUCLE"</comment>
        <translation>%1Type de boucle incorrect %2</translation>
    </message>
    <message>
        <source>%1Usage error %2</source>
        <comment>Error code is "UTILISERR"</comment>
        <translation>%1Erreur d'utilisation %2</translation>
    </message>
    <message>
        <source>%1Bad use of parameter %2</source>
        <comment>Error code is "UTIPARAME"</comment>
        <translation>%1Utilisation incorrecte du paramètre %2</translation>
    </message>
    <message>
        <source>%1Impossible absolute value %2</source>
        <comment>Error code is "VALABSIMP"</comment>
        <translation>%1Valeur absolue impossible %2</translation>
    </message>
    <message>
        <source>%1Bad loop value %2</source>
        <comment>Error code is "VALBOUCER"</comment>
        <translation>%1Valeur de boucle incorrecte %2</translation>
    </message>
    <message>
        <source>%1Random value not allowed %2</source>
        <comment>Error code is "VALHASARD"</comment>
        <translation>%1Valeur aléatoire non autorisée %2</translation>
    </message>
    <message>
        <source>%1Unknown value %2</source>
        <comment>Error code is "VALUEINCO"</comment>
        <translation>%1Valeur inconnue %2</translation>
    </message>
    <message>
        <source>%1Missing maximum value %2</source>
        <comment>Error code is "VAMAXABSE"</comment>
        <translation>%1Valeur maximale manquante %2</translation>
    </message>
    <message>
        <source>%1Missing minimum and maximum values %2</source>
        <comment>Error code is "VAMIMAABS"</comment>
        <translation>%1Valeurs minimale et maximale manquantes %2</translation>
    </message>
    <message>
        <source>%1Missing minimum value %2</source>
        <comment>Error code is "VAMINABSE"</comment>
        <translation>%1Valeur minimale manquante %2</translation>
    </message>
    <message>
        <source>%1Bad minimum and maximum values %2</source>
        <comment>Error code is "VA_MINMAX"</comment>
        <translation>%1Valeurs minimale et maximale incorrectes %2</translation>
    </message>
    <message>
        <source>%1Bad minimum, maximum or delta %2</source>
        <comment>Error code is "MINMAXDEL"</comment>
        <translation>%1Minimum, maximum ou écart incorrect %2</translation>
    </message>
    <message>
        <source>%1Unknown include file %2</source>
        <comment>Error code is "FICINCINC"</comment>
        <translation>%1Fichier inclus inconnu %2</translation>
    </message>
    <message>
        <source>%1Initial value without assignment %2</source>
        <comment>Error code is "VAINNOASM"</comment>
        <translation>%1Valeur initiale sans affectation %2</translation>
    </message>
    <message>
        <source>%1Bad initial value %2</source>
        <comment>Error code is "VAINIT_IN"</comment>
        <translation>%1Valeur initiale incorrecte %2</translation>
    </message>
    <message>
        <source>%1Unknown linked variable %2</source>
        <comment>Error code is "VARLIEINC"</comment>
        <translation>%1Variable liée inconnue %2</translation>
    </message>
    <message>
        <source>%1Bad number of linked variables %2</source>
        <comment>Error code is "VARLIENNB"</comment>
        <translation>%1Nombre de variables liées incorrect %2</translation>
    </message>
    <message>
        <source>%1Bad variable name in message %2</source>
        <comment>Error code is "VARNAMMSG"</comment>
        <translation>%1Nom de variable incorrect dans le message %2</translation>
    </message>
</context>
<context>
    <name>Informations (bibli)</name>
    <message>
        <source>%1Start of included version %2</source>
        <comment>Error code is "DEBINCVER"</comment>
        <translation>%1Début de la version incluse %2</translation>
    </message>
    <message>
        <source>%1Bad expression: %2</source>
        <comment>Error code is "EXPERRONE"</comment>
        <translation>%1Expression incorrecte : %2</translation>
    </message>
    <message>
        <source>%1End of execution %2</source>
        <comment>Error code is "FINEXECUT"</comment>
        <translation>%1Fin d'exécution %2</translation>
    </message>
    <message>
        <source>%1End of included version %2</source>
        <comment>Error code is "FININCVER"</comment>
        <translation>%1Fin de la version incluse %2</translation>
    </message>
    <message>
        <source>%1Error in line: %2</source>
        <comment>Error code is "LIGNERRON"</comment>
        <translation>%1Erreur à la ligne : %2</translation>
    </message>
    <message>
        <source>%1Not a subsystem %2</source>
        <comment>Error code is "NOTSSYSTEM"</comment>
        <translation>%1Pas un sous-système %2</translation>
    </message>
    <message>
        <source>%1Operation renamed %2</source>
        <comment>Error code is "OPERENAME"</comment>
        <translation>%1Opération renommée %2</translation>
    </message>
    <message>
        <source>%1Empty operation part %2</source>
        <comment>Error code is "OPERXVIDE"</comment>
        <translation>%1Partie d'opération vide %2</translation>
    </message>
    <message>
        <source>%1Error position %2</source>
        <comment>Error code is "POSIT_ERR"</comment>
        <translation>%1Position de l'erreur %2</translation>
    </message>
    <message>
        <source>%1Slice required %2</source>
        <comment>Error code is "SLICEREQ"</comment>
        <translation>%1Tranche requise %2</translation>
    </message>
</context>
<context>
    <name>Fatal Error (cstsyst)</name>
    <message>
        <source>FATAL ERROR on '%1',
 Please contact your administrative.</source>
        <comment>'%1' is a function name</comment>
        <translation>ERREUR FATALE sur '%1',
 Veuillez contacter votre administrateur.</translation>
    </message>
    <message>
        <source>FATAL ERROR on '%1',
 Please contact your administrative.</source>
        <translation>ERREUR FATALE sur '%1',
 Veuillez contacter votre administrateur.</translation>
    </message>
</context>
<context>
    <name>Error Parameter</name>
    <message>
        <source>memory overflow</source>
        <comment>Used as a parameter for 'ERRINTFCT' error message</comment>
        <translation>dépassement de mémoire</translation>
    </message>
    <message>
        <source>memory overflow</source>
        <translation>dépassement de mémoire</translation>
    </message>
</context>
</TS>
