<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Generic</name>
    <message>
        <source>Message code %1 not defined</source>
        <comment>Error code is "NOMESSDEF"</comment>
        <translation>Code de message %1 non défini</translation>
    </message>
</context>
<context>
    <name>Syntax analysis</name>
    <message>
        <source>%1Unexpected end of file</source>
        <comment>Error code is "UNEXPTEOF"</comment>
        <translation>%1Fin de fichier inattendue</translation>
    </message>
    <message>
        <source>%1Unexpected end of line</source>
        <comment>Error code is "UNEXPTRET"</comment>
        <translation>%1Fin de ligne inattendue</translation>
    </message>
    <message>
        <source>%1Unexpected '='</source>
        <comment>Error code is "UNEXPASSG"</comment>
        <translation>%1Caractère '=' inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected '('</source>
        <comment>Error code is "UNEXPLPAR"</comment>
        <translation>%1Caractère '(' inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected ')'</source>
        <comment>Error code is "UNEXPRPAR"</comment>
        <translation>%1Caractère ')' inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected '['</source>
        <comment>Error code is "UNEXPLBRA"</comment>
        <translation>%1Caractère '[' inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected ']'</source>
        <comment>Error code is "UNEXPRBRA"</comment>
        <translation>%1Caractère ']' inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected '=&gt;'</source>
        <comment>Error code is "UNEXPARRW"</comment>
        <translation>%1Symbole '=&gt;' inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected ':'</source>
        <comment>Error code is "UNEXPCOLN"</comment>
        <translation>%1Caractère ':' inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected ','</source>
        <comment>Error code is "UNEXPCOMM"</comment>
        <translation>%1Caractère ',' inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected ';'</source>
        <comment>Error code is "UNEXPSEMI"</comment>
        <translation>%1Caractère ';' inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected '@'</source>
        <comment>Error code is "UNEXPAROB"</comment>
        <translation>%1Caractère '@' inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword CALL</source>
        <comment>Error code is "UNEXPCALL"</comment>
        <translation>%1Mot-clé CALL inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword CASE</source>
        <comment>Error code is "UNEXPCASE"</comment>
        <translation>%1Mot-clé CASE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword DEF_TRIGGER</source>
        <comment>Error code is "UNEXPDFTR"</comment>
        <translation>%1Mot-clé DEF_TRIGGER inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword DISABLE_CLEANUP</source>
        <comment>Error code is "UNEXPDISC"</comment>
        <translation>%1Mot-clé DISABLE_CLEANUP inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword ELSE</source>
        <comment>Error code is "UNEXPELSE"</comment>
        <translation>%1Mot-clé ELSE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword ENABLE_CLEANUP</source>
        <comment>Error code is "UNEXPENAC"</comment>
        <translation>%1Mot-clé ENABLE_CLEANUP inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword END</source>
        <comment>Error code is "UNEXPTEND"</comment>
        <translation>%1Mot-clé END inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword ERROR</source>
        <comment>Error code is "UNEXPERRR"</comment>
        <translation>%1Mot-clé ERROR inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword EXIT</source>
        <comment>Error code is "UNEXPEXIT"</comment>
        <translation>%1Mot-clé EXIT inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword FAMILY</source>
        <comment>Error code is "UNEXPFAML"</comment>
        <translation>%1Mot-clé FAMILY inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword FD_ADD</source>
        <comment>Error code is "UNEXPFDAD"</comment>
        <translation>%1Mot-clé FD_ADD inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword FD_DEL</source>
        <comment>Error code is "UNEXPFDDE"</comment>
        <translation>%1Mot-clé FD_DEL inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword HEADER</source>
        <comment>Error code is "UNEXPHEAD"</comment>
        <translation>%1Mot-clé HEADER inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword IF</source>
        <comment>Error code is "UNEXPTKIF"</comment>
        <translation>%1Mot-clé IF inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword INCLUDE</source>
        <comment>Error code is "UNEXPINCL"</comment>
        <translation>%1Mot-clé INCLUDE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword IS</source>
        <comment>Error code is "UNEXPTKIS"</comment>
        <translation>%1Mot-clé IS inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword INITIALIZATION</source>
        <comment>Error code is "UNEXPINTZ"</comment>
        <translation>%1Mot-clé INITIALIZATION inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword OTHERS</source>
        <comment>Error code is "UNEXPOTHR"</comment>
        <translation>%1Mot-clé OTHERS inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword PROC</source>
        <comment>Error code is "UNEXPPROC"</comment>
        <translation>%1Mot-clé PROC inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword REF</source>
        <comment>Error code is "UNEXPTREF"</comment>
        <translation>%1Mot-clé REF inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword SCENARIO</source>
        <comment>Error code is "UNEXPSCEN"</comment>
        <translation>%1Mot-clé SCENARIO inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword SET</source>
        <comment>Error code is "UNEXPTSET"</comment>
        <translation>%1Mot-clé SET inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword TERMINATION</source>
        <comment>Error code is "UNEXPTERM"</comment>
        <translation>%1Mot-clé TERMINATION inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword EXCEPTION</source>
        <comment>Error code is "UNEXPEXCP"</comment>
        <translation>%1Mot-clé EXCEPTION inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword THEN</source>
        <comment>Error code is "UNEXPTHEN"</comment>
        <translation>%1Mot-clé THEN inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword TRIGGER</source>
        <comment>Error code is "UNEXPTRIG"</comment>
        <translation>%1Mot-clé TRIGGER inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword UNSET</source>
        <comment>Error code is "UNEXPUNST"</comment>
        <translation>%1Mot-clé UNSET inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword VAR</source>
        <comment>Error code is "UNEXPTVAR"</comment>
        <translation>%1Mot-clé VAR inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword WAITTIL</source>
        <comment>Error code is "UNEXPWAIT"</comment>
        <translation>%1Mot-clé WAITTIL inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword WHILE</source>
        <comment>Error code is "UNEXPWHIL"</comment>
        <translation>%1Mot-clé WHILE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword WHEN</source>
        <comment>Error code is "UNEXPWHEN"</comment>
        <translation>%1Mot-clé WHEN inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected number</source>
        <comment>Error code is "UNEXPDECM"</comment>
        <translation>%1Nombre inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected string</source>
        <comment>Error code is "UNEXPSTRG"</comment>
        <translation>%1Chaîne inattendue</translation>
    </message>
    <message>
        <source>%1Unexpected environment variable</source>
        <comment>Error code is "UNEXPENVV"</comment>
        <translation>%1Variable d'environnement inattendue</translation>
    </message>
    <message>
        <source>%1Unexpected identifier</source>
        <comment>Error code is "UNEXPIDNT"</comment>
        <translation>%1Identificateur inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected execution filter</source>
        <comment>Error code is "UNEXPFILT"</comment>
        <translation>%1Filtre d'exécution inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword SEND</source>
        <comment>Error code is "UNEXPSND"</comment>
        <translation>%1Mot-clé SEND inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword PROCSEND</source>
        <comment>Error code is "UNEXPPSND"</comment>
        <translation>%1Mot-clé PROCSEND inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword DECLARE_INSTANCE</source>
        <comment>Error code is "UNEXPIDCL"</comment>
        <translation>%1Mot-clé DECLARE_INSTANCE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword INSTANCE</source>
        <comment>Error code is "UNEXPIST"</comment>
        <translation>%1Mot-clé INSTANCE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword FLUSH_TRACE</source>
        <comment>Error code is "UNEXPFTRC"</comment>
        <translation>%1Mot-clé FLUSH_TRACE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword TRACE_ON</source>
        <comment>Error code is "UNEXPTRON"</comment>
        <translation>%1Mot-clé TRACE_ON inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword TRACE_OFF</source>
        <comment>Error code is "UNEXPTROF"</comment>
        <translation>%1Mot-clé TRACE_OFF inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword INTERSEND</source>
        <comment>Error code is "UNEXPISND"</comment>
        <translation>%1Mot-clé INTERSEND inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword INTERRECV</source>
        <comment>Error code is "UNEXPIRCV"</comment>
        <translation>%1Mot-clé INTERRECV inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected COMMENT line</source>
        <comment>Error code is "UNEXPCMMT"</comment>
        <translation>%1Ligne COMMENT inattendue</translation>
    </message>
    <message>
        <source>%1Unexpected native line</source>
        <comment>Error code is "UNEXPNIAN"</comment>
        <translation>%1Ligne native inattendue</translation>
    </message>
    <message>
        <source>%1Unexpected native expression</source>
        <comment>Error code is "UNEXPEXPR"</comment>
        <translation>%1Expression native inattendue</translation>
    </message>
    <message>
        <source>%1Token longer than 14999 characters: %2</source>
        <comment>Error code is "LEXTKTLNG"</comment>
        <translation>%1Élément lexical de plus de 14999 caractères : %2</translation>
    </message>
    <message>
        <source>%1Include loop: a file cannot include itself or a file that includes it</source>
        <comment>Error code is "INCLOOPDT"</comment>
        <translation>%1Boucle d'inclusion : un fichier ne peut s'inclure ni lui-même ni un fichier qui l'inclut</translation>
    </message>
    <message>
        <source>%1No syntax message for token %2. Ask for maintenance help.</source>
        <comment>Error code is "STXNOMESS"</comment>
        <translation>%1Pas de message de syntaxe pour l'élément %2. Demandez l'aide de la maintenance.</translation>
    </message>
    <message>
        <source>%1Unknown character sequence</source>
        <comment>Error code is "LEXSEQUNK"</comment>
        <translation>%1Séquence de caractères inconnue</translation>
    </message>
    <message>
        <source>%1Procedure %2 returns no value</source>
        <comment>Error code is "NORETNFCT"</comment>
        <translation>%1La procédure %2 ne retourne pas de valeur</translation>
    </message>
    <message>
        <source>%1Unexpected keyword INIT=</source>
        <comment>Error code is "UNEXPVARI"</comment>
        <translation>%1Mot-clé INIT= inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected value keyword (VA=, EV= or EV==)</source>
        <comment>Error code is "UNEXPVARV"</comment>
        <translation>%1Mot-clé de valeur inattendu (VA=, EV= ou EV==)</translation>
    </message>
    <message>
        <source>%1Unexpected keyword SHARE</source>
        <comment>Error code is "UNEXPSHAR"</comment>
        <translation>%1Mot-clé SHARE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword COMMTYPE</source>
        <comment>Error code is "UNEXPCMTY"</comment>
        <translation>%1Mot-clé COMMTYPE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword CHANNEL</source>
        <comment>Error code is "UNEXPCHAN"</comment>
        <translation>%1Mot-clé CHANNEL inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword MESSAGE</source>
        <comment>Error code is "UNEXPMSGE"</comment>
        <translation>%1Mot-clé MESSAGE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword NO_MESSAGE</source>
        <comment>Error code is "UNEXPNOMS"</comment>
        <translation>%1Mot-clé NO_MESSAGE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword MESSAGE_DATE</source>
        <comment>Error code is "UNEXPMSDT"</comment>
        <translation>%1Mot-clé MESSAGE_DATE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword DEF_MESSAGE</source>
        <comment>Error code is "UNEXPDFMS"</comment>
        <translation>%1Mot-clé DEF_MESSAGE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword ON</source>
        <comment>Error code is "UNEXPCBON"</comment>
        <translation>%1Mot-clé ON inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword WITH</source>
        <comment>Error code is "UNEXPWITH"</comment>
        <translation>%1Mot-clé WITH inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword MULTIPLEXING</source>
        <comment>Error code is "UNEXPMULT"</comment>
        <translation>%1Mot-clé MULTIPLEXING inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword NOTMATCHING</source>
        <comment>Error code is "UNEXNMTIG"</comment>
        <translation>%1Mot-clé NOTMATCHING inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword NOTMATCHED</source>
        <comment>Error code is "UNEXNMTED"</comment>
        <translation>%1Mot-clé NOTMATCHED inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword MATCHING</source>
        <comment>Error code is "UNEXMATIG"</comment>
        <translation>%1Mot-clé MATCHING inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword MATCHED</source>
        <comment>Error code is "UNEXMATED"</comment>
        <translation>%1Mot-clé MATCHED inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword ADD_ID</source>
        <comment>Error code is "UNEXPADDI"</comment>
        <translation>%1Mot-clé ADD_ID inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword CLEAR_ID</source>
        <comment>Error code is "UNEXPCLRI"</comment>
        <translation>%1Mot-clé CLEAR_ID inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword CALLBACK</source>
        <comment>Error code is "UNEXPCLBK"</comment>
        <translation>%1Mot-clé CALLBACK inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword FORMAT=</source>
        <comment>Error code is "UNEXPFRMT"</comment>
        <translation>%1Mot-clé FORMAT= inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword RENDEZVOUS</source>
        <comment>Error code is "UNEXPTRDV"</comment>
        <translation>%1Mot-clé RENDEZVOUS inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected character constant</source>
        <comment>Error code is "UNEXPTCAR"</comment>
        <translation>%1Constante caractère inattendue</translation>
    </message>
    <message>
        <source>%1Unexpected keyword TIMER</source>
        <comment>Error code is "UNEXPTIMR"</comment>
        <translation>%1Mot-clé TIMER inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword RESET</source>
        <comment>Error code is "UNEXPREST"</comment>
        <translation>%1Mot-clé RESET inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword PAUSE</source>
        <comment>Error code is "UNEXPAUSE"</comment>
        <translation>%1Mot-clé PAUSE inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword PRINT</source>
        <comment>Error code is "UNEXPRINT"</comment>
        <translation>%1Mot-clé PRINT inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected '...'</source>
        <comment>Error code is "UNEXPALLC"</comment>
        <translation>%1Symbole '...' inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected scoped identifier</source>
        <comment>Error code is "UNEXPIDWH"</comment>
        <translation>%1Identificateur qualifié inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword CATCH</source>
        <comment>Error code is "UNEXPCATC"</comment>
        <translation>%1Mot-clé CATCH inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword LOOP</source>
        <comment>Error code is "UNEXPLOOP"</comment>
        <translation>%1Mot-clé LOOP inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword TIMEOUT</source>
        <comment>Error code is "UNEXPTOUT"</comment>
        <translation>%1Mot-clé TIMEOUT inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword VIRTUAL CALLBACK</source>
        <comment>Error code is "UNEXPVCBK"</comment>
        <translation>%1Mot-clé VIRTUAL CALLBACK inattendu</translation>
    </message>
    <message>
        <source>%1Unexpected keyword VIRTUAL PROCSEND</source>
        <comment>Error code is "UNEXPVPSD"</comment>
        <translation>%1Mot-clé VIRTUAL PROCSEND inattendu</translation>
    </message>
</context>
<context>
    <name>Semantic analysis</name>
    <message>
        <source>%1WHEN label %2 is not an integer constant</source>
        <comment>Error code is "WHWACONST"</comment>
        <translation>%1Le label WHEN %2 n'est pas une constante entière</translation>
    </message>
    <message>
        <source>%1Bad execution filter syntax: %2</source>
        <comment>Error code is "BADFLTSTX"</comment>
        <translation>%1Syntaxe de filtre d'exécution incorrecte : %2</translation>
    </message>
    <message>
        <source>%1Unknown procedure %2</source>
        <comment>Error code is "UNKCLPROC"</comment>
        <translation>%1Procédure inconnue %2</translation>
    </message>
    <message>
        <source>%1CASE label already defined %2</source>
        <comment>Error code is "ALRCASDEF"</comment>
        <translation>%1Label de CASE déjà défini %2</translation>
    </message>
    <message>
        <source>%1Event variable %2 not declared</source>
        <comment>Error code is "UNDECTRGV"</comment>
        <translation>%1Variable événement %2 non déclarée</translation>
    </message>
    <message>
        <source>%1Unknown API name %2</source>
        <comment>Error code is "UNKAPINAM"</comment>
        <translation>%1Nom d'API inconnu %2</translation>
    </message>
    <message>
        <source>%1Event variable '%2' already declared</source>
        <comment>Error code is "TRGALRDEC"</comment>
        <translation>%1Variable événement '%2' déjà déclarée</translation>
    </message>
    <message>
        <source>%1Instance '%2' not declared</source>
        <comment>Error code is "UNDECISTN"</comment>
        <translation>%1Instance '%2' non déclarée</translation>
    </message>
    <message>
        <source>%1Instance restriction without DECLARE_INSTANCE %2</source>
        <comment>Error code is "NODCLISTN"</comment>
        <translation>%1Restriction d'instance sans DECLARE_INSTANCE %2</translation>
    </message>
    <message>
        <source>%1Instance %2 already declared</source>
        <comment>Error code is "ISTNALRDEC"</comment>
        <translation>%1Instance %2 déjà déclarée</translation>
    </message>
    <message>
        <source>%1Instance restriction inside another instance restriction</source>
        <comment>Error code is "ISTBADLVL"</comment>
        <translation>%1Restriction d'instance à l'intérieur d'une autre restriction d'instance</translation>
    </message>
    <message>
        <source>%1Instance-restricted declarations must come before the instructions</source>
        <comment>Error code is "BADIBSEQ"</comment>
        <translation>%1Les déclarations restreintes à une instance doivent précéder les instructions</translation>
    </message>
    <message>
        <source>%1Procedure %2 already exists</source>
        <comment>Error code is "PROCALREX"</comment>
        <translation>%1La procédure %2 existe déjà</translation>
    </message>
    <message>
        <source>%1Family name %2 already used</source>
        <comment>Error code is "FNAMNOTUS"</comment>
        <translation>%1Nom de famille %2 déjà utilisé</translation>
    </message>
    <message>
        <source>%1Too many INITIALIZATION blocks</source>
        <comment>Error code is "TOOMCHINI"</comment>
        <translation>%1Trop de blocs INITIALIZATION</translation>
    </message>
    <message>
        <source>%1Too many TERMINATION blocks</source>
        <comment>Error code is "TOOMCHTER"</comment>
        <translation>%1Trop de blocs TERMINATION</translation>
    </message>
    <message>
        <source>%1Too many EXCEPTION blocks</source>
        <comment>Error code is "TOOMCHEXC"</comment>
        <translation>%1Trop de blocs EXCEPTION</translation>
    </message>
    <message>
        <source>%1Scenario %2 already exists</source>
        <comment>Error code is "SCENALREX"</comment>
        <translation>%1Le scénario %2 existe déjà</translation>
    </message>
    <message>
        <source>%1Null syntax node. Ask for maintenance help.</source>
        <comment>Error code is "STXNODNIL"</comment>
        <translation>%1Nœud syntaxique nul. Demandez l'aide de la maintenance.</translation>
    </message>
    <message>
        <source>%1Unexpected syntax node %2. Ask for maintenance help.</source>
        <comment>Error code is "STXNODNWT"</comment>
        <translation>%1Nœud syntaxique inattendu %2. Demandez l'aide de la maintenance.</translation>
    </message>
    <message>
        <source>%1Unknown entry code %2. Ask for maintenance help.</source>
        <comment>Error code is "ENTCODUNK"</comment>
        <translation>%1Code d'entrée inconnu %2. Demandez l'aide de la maintenance.</translation>
    </message>
    <message>
        <source>%1Unknown descriptor code %2. Ask for maintenance help.</source>
        <comment>Error code is "DSCCODUNK"</comment>
        <translation>%1Code de descripteur inconnu %2. Demandez l'aide de la maintenance.</translation>
    </message>
    <message>
        <source>%1Entry without scope. Ask for maintenance help.</source>
        <comment>Error code is "SCPBADPTR"</comment>
        <translation>%1Entrée sans portée. Demandez l'aide de la maintenance.</translation>
    </message>
    <message>
        <source>%1Bad letter in filter: %2</source>
        <comment>Error code is "BADLETFLT"</comment>
        <translation>%1Lettre incorrecte dans le filtre : %2</translation>
    </message>
    <message>
        <source>%1Overlapping index ranges %2</source>
        <comment>Error code is "COMBNDSEC"</comment>
        <translation>%1Intervalles d'indices qui se chevauchent %2</translation>
    </message>
    <message>
        <source>%1The event structure associated to "%2" is unknown</source>
        <comment>Error code is "UKNEVTSTC"</comment>
        <translation>%1La structure d'événement associée à "%2" est inconnue</translation>
    </message>
    <message>
        <source>%1Unknown function %2</source>
        <comment>Error code is "UKNFCTCLL"</comment>
        <translation>%1Fonction inconnue %2</translation>
    </message>
    <message>
        <source>%1Too many arguments: %2</source>
        <comment>Error code is "NOMOREARG"</comment>
        <translation>%1Trop d'arguments : %2</translation>
    </message>
    <message>
        <source>%1Too few arguments: %2</source>
        <comment>Error code is "TOOFEWARG"</comment>
        <translation>%1Pas assez d'arguments : %2</translation>
    </message>
    <message>
        <source>%1A procedure and a function have the same name %2</source>
        <comment>Error code is "SAMEFCTNM"</comment>
        <translation>%1Une procédure et une fonction portent le même nom %2</translation>
    </message>
    <message>
        <source>%1Instructions after ERROR or EXIT are never executed</source>
        <comment>Error code is "NOEXEINST"</comment>
        <translation>%1Les instructions qui suivent ERROR ou EXIT ne sont jamais exécutées</translation>
    </message>
    <message>
        <source>%1Too many parameters %2</source>
        <comment>Error code is "NOMOREPAR"</comment>
        <translation>%1Trop de paramètres %2</translation>
    </message>
    <message>
        <source>%1Too few parameters %2</source>
        <comment>Error code is "TOOFEWPAR"</comment>
        <translation>%1Pas assez de paramètres %2</translation>
    </message>
    <message>
        <source>%1Incompatible types (%2)</source>
        <comment>Error code is "INCOMPTYP"</comment>
        <translation>%1Types incompatibles (%2)</translation>
    </message>
    <message>
        <source>%1Procedure %2 is never called</source>
        <comment>Error code is "NOPROCCAL"</comment>
        <translation>%1La procédure %2 n'est jamais appelée</translation>
    </message>
    <message>
        <source>%1Event variable %2 is never used</source>
        <comment>Error code is "NOTRIGUSD"</comment>
        <translation>%1La variable événement %2 n'est jamais utilisée</translation>
    </message>
    <message>
        <source>%1Cannot open file %2</source>
        <comment>Error code is "CANNOTOPN"</comment>
        <translation>%1Impossible d'ouvrir le fichier %2</translation>
    </message>
    <message>
        <source>%1Too many included files in current test script</source>
        <comment>Error code is "INCLOVFLW"</comment>
        <translation>%1Trop de fichiers inclus dans le script de test courant</translation>
    </message>
    <message>
        <source>%1REF argument in a procedure call: %2</source>
        <comment>Error code is "NOREFPROC"</comment>
        <translation>%1Argument REF dans un appel de procédure : %2</translation>
    </message>
    <message>
        <source>%1'@' part in an argument of procedure %2</source>
        <comment>Error code is "NOTERPROC"</comment>
        <translation>%1Partie '@' dans un argument de la procédure %2</translation>
    </message>
    <message>
        <source>%1Argument without expression in the call of %2</source>
        <comment>Error code is "CALLARGWT"</comment>
        <translation>%1Argument sans expression dans l'appel de %2</translation>
    </message>
    <message>
        <source>%1Unknown native type %2</source>
        <comment>Error code is "UKNNATTYP"</comment>
        <translation>%1Type natif inconnu %2</translation>
    </message>
    <message>
        <source>%1Cleanup procedure %2 must have no parameter</source>
        <comment>Error code is "CLVOIDPRC"</comment>
        <translation>%1La procédure de nettoyage %2 ne doit pas avoir de paramètre</translation>
    </message>
    <message>
        <source>No scenario generated (see options -SCN, -EXSCN, -FAMILY, -EXFAMILY)</source>
        <comment>Error code is "NOSCENGEN"</comment>
        <translation>Aucun scénario généré (voir les options -SCN, -EXSCN, -FAMILY, -EXFAMILY)</translation>
    </message>
    <message>
        <source>%1Empty value forbidden %2</source>
        <comment>Error code is "FORBEMPTY"</comment>
        <translation>%1Valeur vide interdite %2</translation>
    </message>
    <message>
        <source>%1Index range out of the array bounds %2</source>
        <comment>Error code is "BNDOUTARR"</comment>
        <translation>%1Intervalle d'indices hors des bornes du tableau %2</translation>
    </message>
    <message>
        <source>%1OTHERS designates no element %2</source>
        <comment>Error code is "OTHERSEMP"</comment>
        <translation>%1OTHERS ne désigne aucun élément %2</translation>
    </message>
    <message>
        <source>%1OTHERS must be the last item %2</source>
        <comment>Error code is "ENDOTHERS"</comment>
        <translation>%1OTHERS doit être le dernier élément %2</translation>
    </message>
    <message>
        <source>%1Field designated twice %2</source>
        <comment>Error code is "STRFLDALR"</comment>
        <translation>%1Champ désigné deux fois %2</translation>
    </message>
    <message>
        <source>%1Only one field of a union can be given %2</source>
        <comment>Error code is "ONEFLDUNN"</comment>
        <translation>%1Un seul champ d'une union peut être donné %2</translation>
    </message>
    <message>
        <source>%1Positional and designated items cannot be mixed %2</source>
        <comment>Error code is "VARPOSNAM"</comment>
        <translation>%1Éléments positionnels et désignés ne peuvent pas être mélangés %2</translation>
    </message>
    <message>
        <source>%1Incorrect expression (%2)</source>
        <comment>Error code is "VARNOGOOD"</comment>
        <translation>%1Expression incorrecte (%2)</translation>
    </message>
    <message>
        <source>%1%2 is not an event variable</source>
        <comment>Error code is "VARNOTRIG"</comment>
        <translation>%1%2 n'est pas une variable événement</translation>
    </message>
    <message>
        <source>%1Structure, union or array not allowed %2</source>
        <comment>Error code is "NOTSTRUCT"</comment>
        <translation>%1Structure, union ou tableau non autorisé %2</translation>
    </message>
    <message>
        <source>%1Not a constant expression: %2</source>
        <comment>Error code is "CONSTINIT"</comment>
        <translation>%1Pas une expression constante : %2</translation>
    </message>
    <message>
        <source>%1Bad array size %2</source>
        <comment>Error code is "ERTAILTAB"</comment>
        <translation>%1Taille de tableau incorrecte %2</translation>
    </message>
    <message>
        <source>%1Several FORMAT instructions for variable %2</source>
        <comment>Error code is "FORMREDEF"</comment>
        <translation>%1Plusieurs instructions FORMAT pour la variable %2</translation>
    </message>
    <message>
        <source>%1Bad variable name %2</source>
        <comment>Error code is "NOMVARINC"</comment>
        <translation>%1Nom de variable incorrect %2</translation>
    </message>
    <message>
        <source>%1Unknown type %2</source>
        <comment>Error code is "TYPEINCON"</comment>
        <translation>%1Type inconnu %2</translation>
    </message>
    <message>
        <source>%1Unknown connection id type %2</source>
        <comment>Error code is "IDCNOTDEC"</comment>
        <translation>%1Type d'identifiant de connexion inconnu %2</translation>
    </message>
    <message>
        <source>%1Communication type %2 already declared</source>
        <comment>Error code is "COMALRDEC"</comment>
        <translation>%1Type de communication %2 déjà déclaré</translation>
    </message>
    <message>
        <source>%1Unknown communication type %2</source>
        <comment>Error code is "COMMNODEC"</comment>
        <translation>%1Type de communication inconnu %2</translation>
    </message>
    <message>
        <source>%1Properties must be specified once (%2)</source>
        <comment>Error code is "PROPALDEC"</comment>
        <translation>%1Les propriétés ne doivent être spécifiées qu'une fois (%2)</translation>
    </message>
    <message>
        <source>%1Channel %2 already declared</source>
        <comment>Error code is "CHAALRDEC"</comment>
        <translation>%1Canal %2 déjà déclaré</translation>
    </message>
    <message>
        <source>%1Unknown channel %2</source>
        <comment>Error code is "UNKCHANAM"</comment>
        <translation>%1Canal inconnu %2</translation>
    </message>
    <message>
        <source>%1Unknown message %2</source>
        <comment>Error code is "UNKMSGNAM"</comment>
        <translation>%1Message inconnu %2</translation>
    </message>
    <message>
        <source>%1Unknown message type %2</source>
        <comment>Error code is "UKNMSGTYP"</comment>
        <translation>%1Type de message inconnu %2</translation>
    </message>
    <message>
        <source>%1Connection id type does not match the channel %2</source>
        <comment>Error code is "TYPIDCOKO"</comment>
        <translation>%1Le type de l'identifiant de connexion ne correspond pas au canal %2</translation>
    </message>
    <message>
        <source>%1FLUSH_TRACE not allowed in a CALLBACK or PROCSEND block</source>
        <comment>Error code is "FTINCBPS"</comment>
        <translation>%1FLUSH_TRACE interdit dans un bloc CALLBACK ou PROCSEND</translation>
    </message>
    <message>
        <source>%1No callback declared for %2</source>
        <comment>Error code is "CBNOTDECL"</comment>
        <translation>%1Aucun callback déclaré pour %2</translation>
    </message>
    <message>
        <source>%1No callback matches %2</source>
        <comment>Error code is "CBNOMATCH"</comment>
        <translation>%1Aucun callback ne correspond à %2</translation>
    </message>
    <message>
        <source>%1No procsend declared for %2</source>
        <comment>Error code is "PSNOTDECL"</comment>
        <translation>%1Aucun procsend déclaré pour %2</translation>
    </message>
    <message>
        <source>%1No procsend matches %2</source>
        <comment>Error code is "PSNOMATCH"</comment>
        <translation>%1Aucun procsend ne correspond à %2</translation>
    </message>
    <message>
        <source>%1procsend %2 is already defined</source>
        <comment>Error code is "PSALRDEFI"</comment>
        <translation>%1Le procsend %2 est déjà défini</translation>
    </message>
    <message>
        <source>%1callback %2 is already defined</source>
        <comment>Error code is "CBALRDEFI"</comment>
        <translation>%1Le callback %2 est déjà défini</translation>
    </message>
    <message>
        <source>%1Ambiguous callback for %2</source>
        <comment>Error code is "CBALAMBIG"</comment>
        <translation>%1Callback ambigu pour %2</translation>
    </message>
    <message>
        <source>%1Ambiguous procsend for %2</source>
        <comment>Error code is "PSENDAMBIG"</comment>
        <translation>%1Procsend ambigu pour %2</translation>
    </message>
    <message>
        <source>%1Wrong type for callback %2</source>
        <comment>Error code is "CBWRNTYPE"</comment>
        <translation>%1Type incorrect pour le callback %2</translation>
    </message>
    <message>
        <source>%1Callback parameter must be a pointer %2</source>
        <comment>Error code is "CBNPTTYPE"</comment>
        <translation>%1Le paramètre du callback doit être un pointeur %2</translation>
    </message>
    <message>
        <source>%1Procsend parameter must be a pointer %2</source>
        <comment>Error code is "PSNPTTYPE"</comment>
        <translation>%1Le paramètre du procsend doit être un pointeur %2</translation>
    </message>
    <message>
        <source>%1%2 instruction allowed only in a PROC or CALLBACK block</source>
        <comment>Error code is "NOMSINBBL"</comment>
        <translation>%1Instruction %2 autorisée seulement dans un bloc PROC ou CALLBACK</translation>
    </message>
    <message>
        <source>%1%2 instruction allowed only in a PROC or CALLBACK block</source>
        <comment>Error code is "MSGDINBBL"</comment>
        <translation>%1Instruction %2 autorisée seulement dans un bloc PROC ou CALLBACK</translation>
    </message>
    <message>
        <source>%1MESSAGE_DATE instruction must be called at least once in a callback block %2</source>
        <comment>Error code is "NOMSGDCAL"</comment>
        <translation>%1L'instruction MESSAGE_DATE doit être appelée au moins une fois dans un bloc callback %2</translation>
    </message>
    <message>
        <source>%1NO_MESSAGE instruction must be called at least once in a callback block %2</source>
        <comment>Error code is "NONMSGCAL"</comment>
        <translation>%1L'instruction NO_MESSAGE doit être appelée au moins une fois dans un bloc callback %2</translation>
    </message>
    <message>
        <source>%1Two message types polled on one channel %2</source>
        <comment>Error code is "DBLMSGTYP"</comment>
        <translation>%1Deux types de message attendus sur un même canal %2</translation>
    </message>
    <message>
        <source>%1Two communication types polled on one channel %2</source>
        <comment>Error code is "DBLCOMTYP"</comment>
        <translation>%1Deux types de communication attendus sur un même canal %2</translation>
    </message>
    <message>
        <source>%1Constant expression not allowed %2</source>
        <comment>Error code is "EXPRCONST"</comment>
        <translation>%1Expression constante non autorisée %2</translation>
    </message>
    <message>
        <source>%1No DEF_MESSAGE instruction for the WAITTIL instructions</source>
        <comment>Error code is "NODEFMESS"</comment>
        <translation>%1Aucune instruction DEF_MESSAGE pour les instructions WAITTIL</translation>
    </message>
    <message>
        <source>%1%2 TRACE_ON instruction(s) ignored because of the trace level</source>
        <comment>Error code is "IGNEDTRON"</comment>
        <translation>%1%2 instruction(s) TRACE_ON ignorée(s) à cause du niveau de trace</translation>
    </message>
    <message>
        <source>%1%2 TRACE_OFF instruction(s) ignored because of the trace level</source>
        <comment>Error code is "IGNEDTROF"</comment>
        <translation>%1%2 instruction(s) TRACE_OFF ignorée(s) à cause du niveau de trace</translation>
    </message>
    <message>
        <source>%1%2 FLUSH_TRACE instruction(s) ignored because of the trace level</source>
        <comment>Error code is "IGNEDFTRC"</comment>
        <translation>%1%2 instruction(s) FLUSH_TRACE ignorée(s) à cause du niveau de trace</translation>
    </message>
    <message>
        <source>%1CATCH of procedure %2 not allowed in this block</source>
        <comment>Error code is "INVLCATCH"</comment>
        <translation>%1CATCH de la procédure %2 interdit dans ce bloc</translation>
    </message>
    <message>
        <source>%1%2 is not a static object</source>
        <comment>Error code is "NOTSTATIC"</comment>
        <translation>%1%2 n'est pas un objet statique</translation>
    </message>
    <message>
        <source>%1Name %2 is reserved in the generated C++ driver</source>
        <comment>Error code is "DRVRESNAM"</comment>
        <translation>%1Le nom %2 est réservé dans le pilote C++ généré</translation>
    </message>
    <message>
        <source>%1%2 is not a timer</source>
        <comment>Error code is "RESNOTTIM"</comment>
        <translation>%1%2 n'est pas un chronomètre</translation>
    </message>
</context>
<context>
    <name>RIO/TDC analysis</name>
    <message>
        <source>No TDC file %1</source>
        <comment>Error code is "NOTDCFILE"</comment>
        <translation>Pas de fichier TDC %1</translation>
    </message>
    <message>
        <source>No RIO file %1</source>
        <comment>Error code is "NORIOFILE"</comment>
        <translation>Pas de fichier RIO %1</translation>
    </message>
    <message>
        <source>Bad version of RIO file %1</source>
        <comment>Error code is "RIOBADVER"</comment>
        <translation>Mauvaise version du fichier RIO %1</translation>
    </message>
    <message>
        <source>Bad version of TDC file %1</source>
        <comment>Error code is "TDCBADVER"</comment>
        <translation>Mauvaise version du fichier TDC %1</translation>
    </message>
    <message>
        <source>Time stamps of the TDC and RIO files differ %1</source>
        <comment>Error code is "TIMESTAMP"</comment>
        <translation>Les dates des fichiers TDC et RIO diffèrent %1</translation>
    </message>
    <message>
        <source>Unknown token %1</source>
        <comment>Error code is "ANAUKNTKN"</comment>
        <translation>Élément inconnu %1</translation>
    </message>
    <message>
        <source>Code expected %1</source>
        <comment>Error code is "ANANOWCOD"</comment>
        <translation>Code attendu %1</translation>
    </message>
    <message>
        <source>Field expected %1</source>
        <comment>Error code is "ANANOWFLD"</comment>
        <translation>Champ attendu %1</translation>
    </message>
    <message>
        <source>Separator expected %1</source>
        <comment>Error code is "ANANOWSEP"</comment>
        <translation>Séparateur attendu %1</translation>
    </message>
    <message>
        <source>Unknown code %1</source>
        <comment>Error code is "ANAUKNCOD"</comment>
        <translation>Code inconnu %1</translation>
    </message>
    <message>
        <source>Bad pointer in the trace structure %1</source>
        <comment>Error code is "FTSBADPTR"</comment>
        <translation>Pointeur incorrect dans la structure de trace %1</translation>
    </message>
    <message>
        <source>Bad code %1</source>
        <comment>Error code is "ANABADCOD"</comment>
        <translation>Code incorrect %1</translation>
    </message>
    <message>
        <source>Index out of bounds in the trace structure %1</source>
        <comment>Error code is "FTSOUTIDX"</comment>
        <translation>Indice hors bornes dans la structure de trace %1</translation>
    </message>
    <message>
        <source>Link error between files %1</source>
        <comment>Error code is "FICLNKERR"</comment>
        <translation>Erreur de lien entre fichiers %1</translation>
    </message>
    <message>
        <source>Bad status result %1</source>
        <comment>Error code is "BADSTARES"</comment>
        <translation>Résultat d'état incorrect %1</translation>
    </message>
    <message>
        <source>Bad token index %1</source>
        <comment>Error code is "BADTKINDX"</comment>
        <translation>Indice d'élément incorrect %1</translation>
    </message>
    <message>
        <source>Incorrect parameters</source>
        <comment>Error code is "BADPARAMS"</comment>
        <translation>Paramètres incorrects</translation>
    </message>
    <message>
        <source>%1Inherited members cannot be given by position %2</source>
        <comment>Error code is "INHERITED"</comment>
        <translation>%1Les membres hérités ne peuvent pas être donnés par position %2</translation>
    </message>
    <message>
        <source>%1Connection id must not be a constant %2</source>
        <comment>Error code is "NOIDCONST"</comment>
        <translation>%1L'identifiant de connexion ne doit pas être une constante %2</translation>
    </message>
</context>
<context>
    <name>Fatal error</name>
    <message>
        <source>%1Internal error in function %2</source>
        <comment>Error code is "ERRINTFCT"</comment>
        <translation>%1Erreur interne dans la fonction %2</translation>
    </message>
    <message>
        <source>%1Unbalanced parentheses %2</source>
        <comment>Error code is "ERRPARENT"</comment>
        <translation>%1Parenthèses non équilibrées %2</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>Error code is "COMMUSAGE"</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>Invalid command line</source>
        <comment>Error code is "COMMFATAL"</comment>
        <translation>Ligne de commande invalide</translation>
    </message>
</context>
<context>
    <name>File error</name>
    <message>
        <source>File %1 access problem</source>
        <comment>Error code is "FICNOTOPN"</comment>
        <translation>Problème d'accès au fichier %1</translation>
    </message>
    <message>
        <source>File %1 opening problem</source>
        <comment>Error code is "FICERROPN"</comment>
        <translation>Problème d'ouverture du fichier %1</translation>
    </message>
    <message>
        <source>File %1 has a newer format</source>
        <comment>Error code is "NEWFFCTRI"</comment>
        <translation>Le fichier %1 a un format plus récent</translation>
    </message>
    <message>
        <source>File %1 has an older format</source>
        <comment>Error code is "OLDFFCTRI"</comment>
        <translation>Le fichier %1 a un format plus ancien</translation>
    </message>
</context>
<context>
    <name>Report error</name>
    <message>
        <source>Buffer not empty %1</source>
        <comment>Error code is "NOEMPTBUF"</comment>
        <translation>Tampon non vide %1</translation>
    </message>
    <message>
        <source>No pointer on column %1</source>
        <comment>Error code is "NOPTRCOLN"</comment>
        <translation>Pas de pointeur sur la colonne %1</translation>
    </message>
    <message>
        <source>Column out of bounds %1</source>
        <comment>Error code is "COLOUTBND"</comment>
        <translation>Colonne hors bornes %1</translation>
    </message>
    <message>
        <source>Trace out of bounds %1</source>
        <comment>Error code is "TRTOUTBND"</comment>
        <translation>Trace hors bornes %1</translation>
    </message>
    <message>
        <source>Position out of bounds %1</source>
        <comment>Error code is "POSOUTBND"</comment>
        <translation>Position hors bornes %1</translation>
    </message>
    <message>
        <source>Bad column width %1</source>
        <comment>Error code is "BADCOLWID"</comment>
        <translation>Largeur de colonne incorrecte %1</translation>
    </message>
    <message>
        <source>Bad buffer pointer %1</source>
        <comment>Error code is "BADBUFPTR"</comment>
        <translation>Pointeur de tampon incorrect %1</translation>
    </message>
    <message>
        <source>Unknown letter %1</source>
        <comment>Error code is "UNKNWNLTR"</comment>
        <translation>Lettre inconnue %1</translation>
    </message>
    <message>
        <source>Missing letter %1</source>
        <comment>Error code is "MISSLETER"</comment>
        <translation>Lettre manquante %1</translation>
    </message>
    <message>
        <source>Unexpected end position %1</source>
        <comment>Error code is "UNEXENDPO"</comment>
        <translation>Position de fin inattendue %1</translation>
    </message>
</context>
<context>
    <name>Information</name>
    <message>
        <source>%1%2</source>
        <comment>Error code is "STARTEXEC"</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>Error code is "COPYRIGHT"</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>End of execution with %1 error(s) and %2 warning(s)</source>
        <comment>Error code is "ENDERRWAR"</comment>
        <translation>Fin d'exécution avec %1 erreur(s) et %2 avertissement(s)</translation>
    </message>
    <message>
        <source>End of execution with %1 error(s)</source>
        <comment>Error code is "ENDERRNWR"</comment>
        <translation>Fin d'exécution avec %1 erreur(s)</translation>
    </message>
    <message>
        <source>End of execution with %1%2 warning(s)</source>
        <comment>Error code is "ENDNOEWAR"</comment>
        <translation>Fin d'exécution avec %1%2 avertissement(s)</translation>
    </message>
    <message>
        <source>End of execution with 0 error and 0 warning%1%2</source>
        <comment>Error code is "ENDNOENWR"</comment>
        <translation>Fin d'exécution avec 0 erreur et 0 avertissement%1%2</translation>
    </message>
    <message>
        <source>End of messages at position %1</source>
        <comment>Error code is "MSGENDPOS"</comment>
        <translation>Fin des messages à la position %1</translation>
    </message>
    <message>
        <source>End of messages with warnings %1</source>
        <comment>Error code is "MSGENDWRN"</comment>
        <translation>Fin des messages avec avertissements %1</translation>
    </message>
    <message>
        <source>%1No declared instance named %2: the instance is chosen at run time</source>
        <comment>Error code is "ISTNOPLAN"</comment>
        <translation>%1Aucune instance déclarée ne s'appelle %2 : l'instance est choisie à l'exécution</translation>
    </message>
    <message>
        <source>Range check not available for %1</source>
        <comment>Error code is "RANGENOTA"</comment>
        <translation>Contrôle d'intervalle non disponible pour %1</translation>
    </message>
</context>
<context>
    <name>TDC edition</name>
    <message>
        <source>Out of bound on output buffer. Contact your administrative.</source>
        <comment>Error code is "SIZBUFOVL"</comment>
        <translation>Dépassement du tampon de sortie. Contactez votre administrateur.</translation>
    </message>
</context>
<context>
    <name>Command line error</name>
    <message>
        <source>Initialization problem on command line</source>
        <comment>Error code is "INITPBRLM"</comment>
        <translation>Problème d'initialisation de la ligne de commande</translation>
    </message>
    <message>
        <source>Incorrect -SET option : filters must be upper case letters</source>
        <comment>Error code is "BADFLTVAL"</comment>
        <translation>Option -SET incorrecte : les filtres doivent être des lettres majuscules</translation>
    </message>
    <message>
        <source>Incorrect -BUFSIZE option : buffer size must be a number</source>
        <comment>Error code is "BADBSZVAL"</comment>
        <translation>Option -BUFSIZE incorrecte : la taille du tampon doit être un nombre</translation>
    </message>
</context>
<context>
    <name>Postpro error</name>
    <message>
        <source>Bad preprocessor version %1</source>
        <comment>Error code is "BADPREPRO"</comment>
        <translation>Mauvaise version du préprocesseur %1</translation>
    </message>
    <message>
        <source>No RIO or TDC file %1</source>
        <comment>Error code is "NORIOTDCF"</comment>
        <translation>Pas de fichier RIO ni TDC %1</translation>
    </message>
    <message>
        <source>Unknown QUELT file %1</source>
        <comment>Error code is "UNKQUELTF"</comment>
        <translation>Fichier QUELT inconnu %1</translation>
    </message>
    <message>
        <source>Too many files %1</source>
        <comment>Error code is "TOOMANYFI"</comment>
        <translation>Trop de fichiers %1</translation>
    </message>
    <message>
        <source>No TDC file for RIO file %1</source>
        <comment>Error code is "NOTDCFRIO"</comment>
        <translation>Pas de fichier TDC pour le fichier RIO %1</translation>
    </message>
    <message>
        <source>No RIO file for TDC file %1</source>
        <comment>Error code is "NORIOFTDC"</comment>
        <translation>Pas de fichier RIO pour le fichier TDC %1</translation>
    </message>
    <message>
        <source>Several TDC files %1</source>
        <comment>Error code is "MULTITDCS"</comment>
        <translation>Plusieurs fichiers TDC %1</translation>
    </message>
    <message>
        <source>A TDC file is needed %1</source>
        <comment>Error code is "NEEDTDCFI"</comment>
        <translation>Un fichier TDC est nécessaire %1</translation>
    </message>
    <message>
        <source>A RIO file is needed %1</source>
        <comment>Error code is "NEEDRIOFI"</comment>
        <translation>Un fichier RIO est nécessaire %1</translation>
    </message>
    <message>
        <source>Post-processing failed %1</source>
        <comment>Error code is "POSTFAILD"</comment>
        <translation>Échec du post-traitement %1</translation>
    </message>
    <message>
        <source>Files differ %1</source>
        <comment>Error code is "FILESDIFF"</comment>
        <translation>Les fichiers diffèrent %1</translation>
    </message>
    <message>
        <source>Merge of post-processing results %1</source>
        <comment>Error code is "MERGEPOST"</comment>
        <translation>Fusion des résultats de post-traitement %1</translation>
    </message>
</context>
</TS>
