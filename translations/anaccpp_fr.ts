<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Internal Error (ana_c_cpp)</name>
    <message>
        <source>%1Program shutdown: out of memory %2</source>
        <comment>Error code is "ALLOCMEMO"</comment>
        <translation>%1Arrêt du programme : mémoire épuisée %2</translation>
    </message>
    <message>
        <source>%1Internal error in %2</source>
        <comment>Error code is "ERRINTERN"</comment>
        <translation>%1Erreur interne dans %2</translation>
    </message>
    <message>
        <source>%1Buffer initialisation failed %2</source>
        <comment>Error code is "INITRUBAN"</comment>
        <translation>%1Échec de l'initialisation du tampon %2</translation>
    </message>
    <message>
        <source>%1Memory release failed %2</source>
        <comment>Error code is "LIBERMEMO"</comment>
        <translation>%1Échec de la libération de la mémoire %2</translation>
    </message>
    <message>
        <source>%1There are too many macro or include recursions %2</source>
        <comment>Error code is "NBRECURSI"</comment>
        <translation>%1Trop de récursions de macros ou d'inclusions %2</translation>
    </message>
</context>
<context>
    <name>Fatal Error (ana_c_cpp)</name>
    <message>
        <source>%1Acces error to file: %2</source>
        <comment>Error code is "ERRERRNO"</comment>
        <translation>%1Erreur d'accès au fichier : %2</translation>
    </message>
    <message>
        <source>%1The preprocessed text of an interface file is larger than the limit of %2 bytes</source>
        <comment>Error code is "PPOUTSIZE"</comment>
        <translation>%1Le texte prétraité d'un fichier d'interface dépasse la limite de %2 octets</translation>
    </message>
</context>
<context>
    <name>Error (ana_c_cpp)</name>
    <message>
        <source>%1Bad list element %2</source>
        <comment>Error code is "ELEMENTLS"</comment>
        <translation>%1Élément de liste incorrect %2</translation>
    </message>
    <message>
        <source>%1Usage error %2</source>
        <comment>Error code is "ERRUTILIS"</comment>
        <translation>%1Erreur d'utilisation %2</translation>
    </message>
    <message>
        <source>%1Invalid value list %2</source>
        <comment>Error code is "LISTEINVA"</comment>
        <translation>%1Liste de valeurs invalide %2</translation>
    </message>
    <message>
        <source>%1Bad number of values %2</source>
        <comment>Error code is "NBVALINCO"</comment>
        <translation>%1Nombre de valeurs incorrect %2</translation>
    </message>
    <message>
        <source>%1Nested procedure %2</source>
        <comment>Error code is "PROCIMBRI"</comment>
        <translation>%1Procédure imbriquée %2</translation>
    </message>
    <message>
        <source>%1Unexpected end of file or incomplete line: %2</source>
        <comment>Error code is "UNEXP_EOF"</comment>
        <translation>%1Fin de fichier inattendue ou ligne incomplète : %2</translation>
    </message>
</context>
<context>
    <name>Warning (ana_c_cpp)</name>
    <message>
        <source>%1Bad assignment %2</source>
        <comment>Error code is "AFFECTATI"</comment>
        <translation>%1Affectation incorrecte %2</translation>
    </message>
    <message>
        <source>%1Argument starts with a punctuation character %2</source>
        <comment>Error code is "ARGPUNCTU"</comment>
        <translation>%1L'argument commence par un caractère de ponctuation %2</translation>
    </message>
    <message>
        <source>%1Arguments given to a macro without parameters %2</source>
        <comment>Error code is "ARGTOMACR"</comment>
        <translation>%1Arguments donnés à une macro sans paramètre %2</translation>
    </message>
    <message>
        <source>%1Bad macro parameter definition: %2</source>
        <comment>Error code is "BADPARDEF"</comment>
        <translation>%1Définition de paramètre de macro incorrecte : %2</translation>
    </message>
    <message>
        <source>%1Bad character in a floating constant %2</source>
        <comment>Error code is "CARDOUFLO"</comment>
        <translation>%1Caractère incorrect dans une constante flottante %2</translation>
    </message>
    <message>
        <source>%1Bad character in an integer constant %2</source>
        <comment>Error code is "CARDOUINT"</comment>
        <translation>%1Caractère incorrect dans une constante entière %2</translation>
    </message>
    <message>
        <source>%1Non-numeric character %2</source>
        <comment>Error code is "CARNONNUM"</comment>
        <translation>%1Caractère non numérique %2</translation>
    </message>
    <message>
        <source>%1Numeric character expected %2</source>
        <comment>Error code is "CARNUMERI"</comment>
        <translation>%1Caractère numérique attendu %2</translation>
    </message>
    <message>
        <source>%1Invalid trigraph %2</source>
        <comment>Error code is "CARTRIINT"</comment>
        <translation>%1Trigraphe invalide %2</translation>
    </message>
    <message>
        <source>%1Unused string %2</source>
        <comment>Error code is "CHAINUTIL"</comment>
        <translation>%1Chaîne inutilisée %2</translation>
    </message>
    <message>
        <source>%1Field not tested %2</source>
        <comment>Error code is "CHANOTEST"</comment>
        <translation>%1Champ non testé %2</translation>
    </message>
    <message>
        <source>%1Unknown field %2</source>
        <comment>Error code is "CHAMPINCO"</comment>
        <translation>%1Champ inconnu %2</translation>
    </message>
    <message>
        <source>%1Unknown constructor %2</source>
        <comment>Error code is "CONSTRINC"</comment>
        <translation>%1Constructeur inconnu %2</translation>
    </message>
    <message>
        <source>%1Bad construction %2</source>
        <comment>Error code is "CONSTRUCT"</comment>
        <translation>%1Construction incorrecte %2</translation>
    </message>
    <message>
        <source>%1Bad hexadecimal constant %2</source>
        <comment>Error code is "CSTBASE16"</comment>
        <translation>%1Constante hexadécimale incorrecte %2</translation>
    </message>
    <message>
        <source>%1Empty character constant %2</source>
        <comment>Error code is "CSTCARVID"</comment>
        <translation>%1Constante caractère vide %2</translation>
    </message>
    <message>
        <source>%1Incorrect constant %2</source>
        <comment>Error code is "CSTINCORR"</comment>
        <translation>%1Constante incorrecte %2</translation>
    </message>
    <message>
        <source>%1Bad numeric constant %2</source>
        <comment>Error code is "CSTNUMERI"</comment>
        <translation>%1Constante numérique incorrecte %2</translation>
    </message>
    <message>
        <source>%1Bad #line directive %2</source>
        <comment>Error code is "DIESELINE"</comment>
        <translation>%1Directive #line incorrecte %2</translation>
    </message>
    <message>
        <source>%1Division by zero</source>
        <comment>Error code is "DIVISZERO"</comment>
        <translation>%1Division par zéro</translation>
    </message>
    <message>
        <source>%1Directive after #else: %2</source>
        <comment>Error code is "ELIFAELSE"</comment>
        <translation>%1Directive après #else : %2</translation>
    </message>
    <message>
        <source>%1Empty expression</source>
        <comment>Error code is "EMPTYEXPR"</comment>
        <translation>%1Expression vide</translation>
    </message>
    <message>
        <source>%1Integer constant %2 out of range</source>
        <comment>Error code is "ENTOUTRAN"</comment>
        <translation>%1Constante entière %2 hors limites</translation>
    </message>
    <message>
        <source>%1Bad use of defined</source>
        <comment>Error code is "ERDEFINED"</comment>
        <translation>%1Utilisation incorrecte de defined</translation>
    </message>
    <message>
        <source>%1Bad #include argument %2</source>
        <comment>Error code is "ERINCLUDE"</comment>
        <translation>%1Argument de #include incorrect %2</translation>
    </message>
    <message>
        <source>%1Text after the end of the expression</source>
        <comment>Error code is "ERRAFTEND"</comment>
        <translation>%1Texte après la fin de l'expression</translation>
    </message>
    <message>
        <source>%1Bad exponent %2</source>
        <comment>Error code is "ERREXPOSA"</comment>
        <translation>%1Exposant incorrect %2</translation>
    </message>
    <message>
        <source>%1Error in macro call %2</source>
        <comment>Error code is "ERRINLINE"</comment>
        <translation>%1Erreur dans l'appel de macro %2</translation>
    </message>
    <message>
        <source>%1Bad expression: %2</source>
        <comment>Error code is "EXPERRONE"</comment>
        <translation>%1Expression incorrecte : %2</translation>
    </message>
    <message>
        <source>%1Unknown file %2</source>
        <comment>Error code is "FICINCONN"</comment>
        <translation>%1Fichier inconnu %2</translation>
    </message>
    <message>
        <source>%1Incorrect function definition %2</source>
        <comment>Error code is "FUNCT_DEF"</comment>
        <translation>%1Définition de fonction incorrecte %2</translation>
    </message>
    <message>
        <source>%1Warning: %2 redefined</source>
        <comment>Error code is "IDENREDEF"</comment>
        <translation>%1Attention : %2 redéfini</translation>
    </message>
    <message>
        <source>%1Unknown identifier %2</source>
        <comment>Error code is "IDENTIINC"</comment>
        <translation>%1Identificateur inconnu %2</translation>
    </message>
    <message>
        <source>%1Implicit type assumed %2</source>
        <comment>Error code is "IMPIMATYP"</comment>
        <translation>%1Type implicite supposé %2</translation>
    </message>
    <message>
        <source>%1Bad pointer to member %2</source>
        <comment>Error code is "INCPOIMEM"</comment>
        <translation>%1Pointeur sur membre incorrect %2</translation>
    </message>
    <message>
        <source>%1Incomplete template declaration %2</source>
        <comment>Error code is "INCTEMDEC"</comment>
        <translation>%1Déclaration de modèle incomplète %2</translation>
    </message>
    <message>
        <source>%1Bad index %2</source>
        <comment>Error code is "INDICEINC"</comment>
        <translation>%1Indice incorrect %2</translation>
    </message>
    <message>
        <source>%1Bad index value %2</source>
        <comment>Error code is "INDICEVAL"</comment>
        <translation>%1Valeur d'indice incorrecte %2</translation>
    </message>
    <message>
        <source>%1Invalid text at the end of the directive %2</source>
        <comment>Error code is "INVALIEND"</comment>
        <translation>%1Texte invalide à la fin de la directive %2</translation>
    </message>
    <message>
        <source>%1Invalid macro name %2</source>
        <comment>Error code is "INVAMACRO"</comment>
        <translation>%1Nom de macro invalide %2</translation>
    </message>
    <message>
        <source>%1Member access on a non-structure %2</source>
        <comment>Error code is "INVCHASTR"</comment>
        <translation>%1Accès à un membre d'une non-structure %2</translation>
    </message>
    <message>
        <source>%1Invalid character constant %2</source>
        <comment>Error code is "INVCSTCAR"</comment>
        <translation>%1Constante caractère invalide %2</translation>
    </message>
    <message>
        <source>%1The name %2 cannot be defined</source>
        <comment>Error code is "INVDEFINE"</comment>
        <translation>%1Le nom %2 ne peut pas être défini</translation>
    </message>
    <message>
        <source>%1Invalid end of number %2</source>
        <comment>Error code is "INVFINNUM"</comment>
        <translation>%1Fin de nombre invalide %2</translation>
    </message>
    <message>
        <source>%1Invalid type for '#' %2</source>
        <comment>Error code is "INVHASTYP"</comment>
        <translation>%1Type invalide pour '#' %2</translation>
    </message>
    <message>
        <source>%1long long int not allowed %2</source>
        <comment>Error code is "LONLONINT"</comment>
        <translation>%1long long int non autorisé %2</translation>
    </message>
    <message>
        <source>%1Malformed option %2</source>
        <comment>Error code is "MALFOROPT"</comment>
        <translation>%1Option mal formée %2</translation>
    </message>
    <message>
        <source>%1Access declaration of an unknown inherited member %2</source>
        <comment>Error code is "MODACCINC"</comment>
        <translation>%1Déclaration d'accès à un membre hérité inconnu %2</translation>
    </message>
    <message>
        <source>%1More than one character in constant %2</source>
        <comment>Error code is "MULCARCST"</comment>
        <translation>%1Plus d'un caractère dans la constante %2</translation>
    </message>
    <message>
        <source>%1Modifier already defined %2</source>
        <comment>Error code is "MODIFDEFI"</comment>
        <translation>%1Modificateur déjà défini %2</translation>
    </message>
    <message>
        <source>%1Too few arguments for macro %2</source>
        <comment>Error code is "NBARGMACR"</comment>
        <translation>%1Pas assez d'arguments pour la macro %2</translation>
    </message>
    <message>
        <source>%1Not ANSI standard %2</source>
        <comment>Error code is "NOANSISTD"</comment>
        <translation>%1Non conforme à la norme ANSI %2</translation>
    </message>
    <message>
        <source>%1Missing argument %2</source>
        <comment>Error code is "NOARGUMEN"</comment>
        <translation>%1Argument manquant %2</translation>
    </message>
    <message>
        <source>%1No argument given to macro %2</source>
        <comment>Error code is "NOARTOMAC"</comment>
        <translation>%1Aucun argument donné à la macro %2</translation>
    </message>
    <message>
        <source>%1No open conditional for %2</source>
        <comment>Error code is "NOCONDITI"</comment>
        <translation>%1Aucune conditionnelle ouverte pour %2</translation>
    </message>
    <message>
        <source>%1Escape sequence does not fit in a byte</source>
        <comment>Error code is "NOFITBYTE"</comment>
        <translation>%1La séquence d'échappement ne tient pas dans un octet</translation>
    </message>
    <message>
        <source>%1No hexadecimal digit after \x</source>
        <comment>Error code is "NOHEXDIGI"</comment>
        <translation>%1Aucun chiffre hexadécimal après \x</translation>
    </message>
    <message>
        <source>%1Unknown parameter %2</source>
        <comment>Error code is "PARAMINCO"</comment>
        <translation>%1Paramètre inconnu %2</translation>
    </message>
    <message>
        <source>%1Call of a non-function %2</source>
        <comment>Error code is "NONFONCTI"</comment>
        <translation>%1Appel d'une non-fonction %2</translation>
    </message>
    <message>
        <source>%1Dereference of a non-pointer %2</source>
        <comment>Error code is "NONPOINTE"</comment>
        <translation>%1Déréférencement d'un non-pointeur %2</translation>
    </message>
    <message>
        <source>%1Subscript of a non-array %2</source>
        <comment>Error code is "NONTABLEA"</comment>
        <translation>%1Indexation d'un non-tableau %2</translation>
    </message>
    <message>
        <source>%1Not a pointer to a structure %2</source>
        <comment>Error code is "NOPOSTRUC"</comment>
        <translation>%1Pas un pointeur sur une structure %2</translation>
    </message>
    <message>
        <source>%1Bad number in string %2</source>
        <comment>Error code is "NUMCHAINC"</comment>
        <translation>%1Nombre incorrect dans la chaîne %2</translation>
    </message>
    <message>
        <source>%1Value omitted in array %2</source>
        <comment>Error code is "OMIVALTAB"</comment>
        <translation>%1Valeur omise dans le tableau %2</translation>
    </message>
    <message>
        <source>%1Arithmetic operand expected for %2</source>
        <comment>Error code is "OPERARITH"</comment>
        <translation>%1Opérande arithmétique attendu pour %2</translation>
    </message>
    <message>
        <source>%1Integer operand expected for %2</source>
        <comment>Error code is "OPERENTIE"</comment>
        <translation>%1Opérande entier attendu pour %2</translation>
    </message>
    <message>
        <source>%1Bad # operator in macro %2</source>
        <comment>Error code is "OPERMACRO"</comment>
        <translation>%1Opérateur # incorrect dans la macro %2</translation>
    </message>
    <message>
        <source>%1Scalar operand expected for %2</source>
        <comment>Error code is "OPERSCALA"</comment>
        <translation>%1Opérande scalaire attendu pour %2</translation>
    </message>
    <message>
        <source>%1Macro parameter must start with an identifier character %2</source>
        <comment>Error code is "PARASTART"</comment>
        <translation>%1Le paramètre de macro doit commencer par un caractère d'identificateur %2</translation>
    </message>
    <message>
        <source>%1Pointer to a structure expected %2</source>
        <comment>Error code is "POINSTRUC"</comment>
        <translation>%1Pointeur sur une structure attendu %2</translation>
    </message>
    <message>
        <source>%1Bad post-decrement %2</source>
        <comment>Error code is "POSTDECRE"</comment>
        <translation>%1Post-décrémentation incorrecte %2</translation>
    </message>
    <message>
        <source>%1Bad post-increment %2</source>
        <comment>Error code is "POSTINCRE"</comment>
        <translation>%1Post-incrémentation incorrecte %2</translation>
    </message>
    <message>
        <source>%1UnknownUnit Testing pragma: %2</source>
        <comment>Error code is "PRAGMAINC"</comment>
        <translation>%1Pragma Unit Testing inconnu : %2</translation>
    </message>
    <message>
        <source>%1Structure or union data type %2 redefined</source>
        <comment>Error code is "REDEFSTRU"</comment>
        <translation>%1Type de données structure ou union %2 redéfini</translation>
    </message>
    <message>
        <source>%1Symbol %2 redefined</source>
        <comment>Error code is "REDEFSYMB"</comment>
        <translation>%1Symbole %2 redéfini</translation>
    </message>
    <message>
        <source>%1Escape sequence out of range %2</source>
        <comment>Error code is "SEQOUTRAN"</comment>
        <translation>%1Séquence d'échappement hors limites %2</translation>
    </message>
    <message>
        <source>%1Unknown escape sequence</source>
        <comment>Error code is "SEQUEINCO"</comment>
        <translation>%1Séquence d'échappement inconnue</translation>
    </message>
    <message>
        <source>%1Bad sub-expression %2</source>
        <comment>Error code is "SOUSEXPRE"</comment>
        <translation>%1Sous-expression incorrecte %2</translation>
    </message>
    <message>
        <source>%1Identifier starts with a digit %2</source>
        <comment>Error code is "STARTDIGI"</comment>
        <translation>%1L'identificateur commence par un chiffre %2</translation>
    </message>
    <message>
        <source>%1Syntax error %2</source>
        <comment>Error code is "SYNTAXERR"</comment>
        <translation>%1Erreur de syntaxe %2</translation>
    </message>
    <message>
        <source>%1Bad array expression %2</source>
        <comment>Error code is "TABEXPINC"</comment>
        <translation>%1Expression de tableau incorrecte %2</translation>
    </message>
    <message>
        <source>%1Bad array size %2</source>
        <comment>Error code is "TAITABINC"</comment>
        <translation>%1Taille de tableau incorrecte %2</translation>
    </message>
    <message>
        <source>%1Incorrect template instantiation %2</source>
        <comment>Error code is "TEMINSINC"</comment>
        <translation>%1Instanciation de modèle incorrecte %2</translation>
    </message>
    <message>
        <source>%1Incorrect template declaration %2</source>
        <comment>Error code is "TEMPLADEC"</comment>
        <translation>%1Déclaration de modèle incorrecte %2</translation>
    </message>
    <message>
        <source>%1Character constant too long %2</source>
        <comment>Error code is "TOLOCSTCA"</comment>
        <translation>%1Constante caractère trop longue %2</translation>
    </message>
    <message>
        <source>%1Too many arguments for macro %2</source>
        <comment>Error code is "TOMANYARG"</comment>
        <translation>%1Trop d'arguments pour la macro %2</translation>
    </message>
    <message>
        <source>%1Bad string type %2</source>
        <comment>Error code is "TYPCHAINC"</comment>
        <translation>%1Type de chaîne incorrect %2</translation>
    </message>
    <message>
        <source>%1typedef without a name %2</source>
        <comment>Error code is "TYPDEFSEU"</comment>
        <translation>%1typedef sans nom %2</translation>
    </message>
    <message>
        <source>%1Bad list type %2</source>
        <comment>Error code is "TYPELISTE"</comment>
        <translation>%1Type de liste incorrect %2</translation>
    </message>
    <message>
        <source>%1Items of different types %2</source>
        <comment>Error code is "TYPESDIFF"</comment>
        <translation>%1Éléments de types différents %2</translation>
    </message>
    <message>
        <source>%1Bad type modifier %2</source>
        <comment>Error code is "TYPMODINC"</comment>
        <translation>%1Modificateur de type incorrect %2</translation>
    </message>
    <message>
        <source>%1#endif without #if</source>
        <comment>Error code is "UNBAENDIF"</comment>
        <translation>%1#endif sans #if</translation>
    </message>
    <message>
        <source>%1Cannot undefine %2</source>
        <comment>Error code is "UNDEFININ"</comment>
        <translation>%1Impossible d'annuler la définition de %2</translation>
    </message>
    <message>
        <source>%1Unknown directive %2</source>
        <comment>Error code is "UNKNODIR"</comment>
        <translation>%1Directive inconnue %2</translation>
    </message>
    <message>
        <source>%1Unterminated comment</source>
        <comment>Error code is "UNTERCOMM"</comment>
        <translation>%1Commentaire non terminé</translation>
    </message>
    <message>
        <source>%1Unterminated conditional #%2</source>
        <comment>Error code is "UNTERCOND"</comment>
        <translation>%1Conditionnelle #%2 non terminée</translation>
    </message>
    <message>
        <source>%1Unterminated string or character constant</source>
        <comment>Error code is "UNTERSTRI"</comment>
        <translation>%1Chaîne ou constante caractère non terminée</translation>
    </message>
    <message>
        <source>%1Unterminated macro parameter list %2</source>
        <comment>Error code is "UNTPARDEF"</comment>
        <translation>%1Liste de paramètres de macro non terminée %2</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>Error code is "WARNERR"</comment>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>Information (ana_c_cpp)</name>
    <message>
        <source>%1Matches line %2</source>
        <comment>Error code is "MATCHLINE"</comment>
        <translation>%1Correspond à la ligne %2</translation>
    </message>
    <message>
        <source>%1Multi-byte character %2</source>
        <comment>Error code is "MULTIBYTE"</comment>
        <translation>%1Caractère multi-octet %2</translation>
    </message>
</context>
</TS>
