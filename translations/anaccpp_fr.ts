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
</context>
<context>
    <name>Error (ana_c_cpp)</name>
    <message>
        <source>%1Invalid value list %2</source>
        <comment>Error code is "LISTEINVA"</comment>
        <translation>%1Liste de valeurs invalide %2</translation>
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
        <source>%1Unknown field %2</source>
        <comment>Error code is "CHAMPINCO"</comment>
        <translation>%1Champ inconnu %2</translation>
    </message>
    <message>
        <source>%1Bad construction %2</source>
        <comment>Error code is "CONSTRUCT"</comment>
        <translation>%1Construction incorrecte %2</translation>
    </message>
    <message>
        <source>%1Division by zero %2</source>
        <comment>Error code is "DIVISZERO"</comment>
        <translation>%1Division par zéro %2</translation>
    </message>
    <message>
        <source>%1Empty expression %2</source>
        <comment>Error code is "EMPTYEXPR"</comment>
        <translation>%1Expression vide %2</translation>
    </message>
    <message>
        <source>%1Integer constant %2 out of range</source>
        <comment>Error code is "ENTOUTRAN"</comment>
        <translation>%1Constante entière %2 hors limites</translation>
    </message>
    <message>
        <source>%1Bad expression: %2</source>
        <comment>Error code is "EXPERRONE"</comment>
        <translation>%1Expression incorrecte : %2</translation>
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
        <source>%1Invalid macro name %2</source>
        <comment>Error code is "INVAMACRO"</comment>
        <translation>%1Nom de macro invalide %2</translation>
    </message>
    <message>
        <source>%1Too few arguments for macro %2</source>
        <comment>Error code is "NBARGMACR"</comment>
        <translation>%1Pas assez d'arguments pour la macro %2</translation>
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
        <source>%1Syntax error %2</source>
        <comment>Error code is "SYNTAXERR"</comment>
        <translation>%1Erreur de syntaxe %2</translation>
    </message>
    <message>
        <source>%1Too many arguments for macro %2</source>
        <comment>Error code is "TOMANYARG"</comment>
        <translation>%1Trop d'arguments pour la macro %2</translation>
    </message>
    <message>
        <source>%1#endif without #if %2</source>
        <comment>Error code is "UNBAENDIF"</comment>
        <translation>%1#endif sans #if %2</translation>
    </message>
    <message>
        <source>%1Unknown directive %2</source>
        <comment>Error code is "UNKNODIR"</comment>
        <translation>%1Directive inconnue %2</translation>
    </message>
    <message>
        <source>%1Unterminated comment %2</source>
        <comment>Error code is "UNTERCOMM"</comment>
        <translation>%1Commentaire non terminé %2</translation>
    </message>
    <message>
        <source>%1Unterminated conditional %2</source>
        <comment>Error code is "UNTERCOND"</comment>
        <translation>%1Conditionnelle non terminée %2</translation>
    </message>
    <message>
        <source>%1Unterminated string or character constant %2</source>
        <comment>Error code is "UNTERSTRI"</comment>
        <translation>%1Chaîne ou constante caractère non terminée %2</translation>
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
</context>
</TS>
